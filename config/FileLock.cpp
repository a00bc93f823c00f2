#include "config/FileLock.h"

#include "config/OwnFile.h"
#include "config/SystemIo.h"

#include <cerrno>
#include <sys/file.h>

namespace quelmar {

FileLock::State FileLock::acquire(const QString& path) {
    fd_ = openOwnFile(path, &error_);
    if (!fd_.isValid())
        return state_ = State::Failed;
    int result;
    do {
        result = ::flock(fd_.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        error_.clear();
        return state_ = State::Held;
    }
    const int error = errno;
    fd_.close();
    error_ = systemReason(error);
    return state_ = error == EWOULDBLOCK ? State::Busy : State::Failed;
}

} // namespace quelmar
