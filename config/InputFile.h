#pragma once

#include "config/FileError.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quelmar {

// The most of any one file the program holds in memory: no script comes
// near it, and a file past it (a disk image dropped by mistake, an endless
// device) must not take the machine's memory.
constexpr qint64 kInputLimit = qint64(QUELMAR_INPUT_LIMIT_MIB) << 20;
// The limit as the command line writes it ("16 MiB").
QString inputLimitText();

// What may stand at the name of a file to read.
enum class InputKind {
    // Only a regular file, reached through links or not. The open never
    // waits: a FIFO with no writer, a device or a folder is refused as
    // NotRegular or Folder instead of holding the program up.
    RegularFile,
    // Whatever a reader can open: a pipe such as /dev/stdin, a device. For
    // the command line's tools, whose user names such things on purpose.
    Anything,
};

// A file the player names for reading, read front to back, through links.
// Each platform implements it in its own source (InputFile_posix.cpp,
// InputFile_windows.cpp).
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    static FileError open(const QString& path, InputFile& file,
                          InputKind kind = InputKind::RegularFile);

    // Up to size bytes from the current position; got is 0 at the end.
    FileError read(char* data, qint64 size, qint64& got);
    // Back to the first byte; false where a file cannot go back (a pipe,
    // a terminal).
    bool rewind();
    // The size of a regular file; -1 for anything else.
    qint64 regularSize() const;
    // The rest of the file, as readWholeFile reads it.
    FileError readRest(QByteArray& bytes, qint64 limit = kInputLimit);

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    QString path_;
};

// The whole file at path. Past limit bytes it stops reading and gives
// FileProblem::PastLimit, so an endless device or a huge file costs at most
// limit bytes of memory; bytes then holds what was read.
FileError readWholeFile(const QString& path, QByteArray& bytes,
                        InputKind kind = InputKind::RegularFile, qint64 limit = kInputLimit);

} // namespace quelmar
