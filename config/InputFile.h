#pragma once

#include "config/FileError.h"

#include <QString>

#include <cstdint>

namespace quelmar {

// A file the player names for reading, read front to back: opened as any
// reader opens it, through links and whatever kind of file stands there
// (a pipe, a device). Each platform implements it in its own source
// (InputFile_posix.cpp, InputFile_windows.cpp).
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    static FileError open(const QString& path, InputFile& file);

    // Up to size bytes from the current position; got is 0 at the end.
    FileError read(char* data, qint64 size, qint64& got);
    // Back to the first byte; false where a file cannot go back (a pipe,
    // a terminal).
    bool rewind();
    // The size of a regular file; -1 for anything else.
    qint64 regularSize() const;

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    QString path_;
};

} // namespace quelmar
