#include "config/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

namespace quelmar {

FileDescriptor::~FileDescriptor() {
    close();
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

int FileDescriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

int FileDescriptor::close() {
    if (fd_ < 0)
        return 0;
    // Linux frees the descriptor even when close fails, so it is never retried.
    const int result = ::close(release());
    return result == 0 ? 0 : errno;
}

} // namespace quelmar
