#pragma once

#include "config/ConfigLines.h"

#include <QFile>
#include <QString>
#include <QStringList>

namespace quelmar {

// The one open text stream on the script being built. Every write is a whole
// line ended by CR LF and goes to the operating system at once, so a crash
// at any moment loses no line already written. Text is Windows-1251.
class ConfigStream {
  public:
    ConfigStream() = default;
    ConfigStream(const ConfigStream&) = delete;
    ConfigStream& operator=(const ConfigStream&) = delete;

    // Creates or truncates the file at path and keeps it open for writing.
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    QString errorString() const { return file_.errorString(); }

    void writeLine(const QString& text);
    void writeEmptyLine();

    // One empty line and the section's header: how every section begins.
    void beginSection(Section section);

    // Writes the lines in order; each page builds its section as a list.
    void writeLines(const QStringList& lines);

  private:
    void put(const QByteArray& bytes);

    QFile file_;
};

} // namespace quelmar
