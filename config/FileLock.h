#pragma once

#include "config/FileSystem.h"

namespace quelmar {

// An exclusive lock on a lock file, held for as long as this object lives.
class FileLock {
  public:
    // Takes the lock without waiting: Locked when another running copy holds
    // it. Something unfit at the name (a link, a FIFO, another user's file)
    // is replaced by a fresh lock file of our own, or named in the error.
    FileError acquire(const QString& path);

    // The lock file we hold is still the one at its name: a lock on a file
    // that lost its name keeps nobody out.
    bool isAtPath() const { return file_.isAtPath(); }

  private:
    FileError open(const QString& path);

    File file_;
};

} // namespace quelmar
