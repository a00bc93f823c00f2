#pragma once

#include "config/ConfigLines.h"
#include "config/FileLock.h"
#include "config/FileSystem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace quelmar {

// The one open text stream on the script being built. Every write is a whole
// line ended by CR LF and goes to the operating system at once, so a crash
// at any moment loses no line already written. Typed text goes out in the
// script's code page (see ScriptCodePage.h): Windows-1251 here, the system's
// ANSI code page on Windows.
//
// Every write is checked. The first line that does not reach the system
// whole is taken back out of the file, the stream stops writing, and the
// failure handler runs once; the lines written before it stay as they are.
class ConfigStream {
  public:
    ConfigStream() = default;
    // calls stand in for the system's (tests make them fail).
    explicit ConfigStream(FileCalls calls) : calls_(std::move(calls)) {}
    ConfigStream(const ConfigStream&) = delete;
    ConfigStream& operator=(const ConfigStream&) = delete;

    // Puts a fresh, empty file of our own at path, locked for as long as the
    // stream lives, and keeps it open. Whatever stood at path (an old
    // script, a link, a FIFO, another user's file) is replaced, never opened
    // or cut. Locked: another running copy still writes the file there.
    FileError open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return path_; }
    // Why the last open or write failed.
    FileError error() const { return error_; }

    // A write has failed; nothing more is written.
    bool failed() const { return failed_; }
    void setFailureHandler(std::function<void()> handler) { onFailure_ = std::move(handler); }

    // Keeps the lock that makes this stream the only writer of its folder.
    void keepLock(FileLock lock) { lock_ = std::move(lock); }
    const FileLock& lock() const { return lock_; }

    // Everything written so far, read back through the open file, so that it
    // holds even when someone has removed or replaced the file's name.
    FileError readWritten(QByteArray& bytes);

    // The file is still reachable under path() (not deleted or replaced).
    bool isAtPath() const { return file_.isAtPath(); }

    void writeLine(const QString& text);
    void writeEmptyLine();

    // One empty line and the section's header: how every section begins.
    void beginSection(Section section);

    // The sections begun so far, in order, each with where its empty line
    // starts in the file: what was written, known once, here.
    struct SectionStart {
        Section section;
        qint64 offset;
    };
    const QList<SectionStart>& sections() const { return sections_; }
    bool hasSection(Section section) const;

    // Writes the lines in order; each page builds its section as a list.
    void writeLines(const QStringList& lines);

  private:
    void put(const QByteArray& bytes);

    FileCalls calls_;
    File file_;
    FileLock lock_;
    QString path_;
    FileError error_;
    bool failed_ = false;
    std::function<void()> onFailure_;
    QList<SectionStart> sections_;
};

} // namespace quelmar
