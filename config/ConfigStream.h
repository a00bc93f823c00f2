#pragma once

#include "config/ConfigLines.h"
#include "config/FileDescriptor.h"
#include "config/FileLock.h"
#include "config/SystemIo.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quelmar {

// The one open text stream on the script being built. Every write is a whole
// line ended by CR LF and goes to the operating system at once, so a crash
// at any moment loses no line already written. Text is Windows-1251.
//
// Every write is checked. The first line that does not reach the system
// whole is taken back out of the file, the stream stops writing, and the
// failure handler runs once; the lines written before it stay as they are.
class ConfigStream {
  public:
    ConfigStream() = default;
    // write stands in for the write system call (tests make it fail).
    explicit ConfigStream(WriteCall write) : write_(std::move(write)) {}
    ConfigStream(const ConfigStream&) = delete;
    ConfigStream& operator=(const ConfigStream&) = delete;

    // Creates or truncates the file at path and keeps it open for writing.
    // Refuses a symbolic link and a file another user owns.
    bool open(const QString& path);
    bool isOpen() const { return fd_.isValid(); }
    QString path() const { return path_; }
    // Why the last open or write failed.
    QString errorString() const { return error_; }

    // A write has failed; nothing more is written.
    bool failed() const { return failed_; }
    void setFailureHandler(std::function<void()> handler) { onFailure_ = std::move(handler); }

    // Keeps the lock that makes this stream the only writer of its file.
    void keepLock(FileLock lock) { lock_ = std::move(lock); }

    // Everything written so far, read back through the open file, so that it
    // holds even when someone has removed or replaced the file's name.
    bool readWritten(QByteArray* bytes);

    // The file is still reachable under path() (not deleted or replaced).
    bool isAtPath() const;

    void writeLine(const QString& text);
    void writeEmptyLine();

    // One empty line and the section's header: how every section begins.
    void beginSection(Section section);

    // Writes the lines in order; each page builds its section as a list.
    void writeLines(const QStringList& lines);

  private:
    void put(const QByteArray& bytes);
    void fail(int error, qint64 lineStart);

    WriteCall write_ = systemWrite();
    FileDescriptor fd_;
    FileLock lock_;
    QString path_;
    QString error_;
    bool failed_ = false;
    std::function<void()> onFailure_;
};

} // namespace quelmar
