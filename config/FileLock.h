#pragma once

#include "config/FileDescriptor.h"

#include <QString>

namespace quelmar {

// An exclusive lock on a lock file, held for as long as this object lives.
// The kernel drops it when the holder ends in any way, kill -9 included, so
// a lock file left behind never blocks anyone.
class FileLock {
  public:
    enum class State { Free, Held, Busy, Failed };

    // Takes the lock without waiting. Busy: someone else holds it.
    State acquire(const QString& path);

    State state() const { return state_; }
    QString errorString() const { return error_; }

  private:
    FileDescriptor fd_;
    State state_ = State::Free;
    QString error_;
};

} // namespace quelmar
