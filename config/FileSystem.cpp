// What File does the same way on every platform, on top of the calls each
// platform's FileSystem source gives.
#include "config/FileSystem.h"

#include <utility>

namespace quelmar {

File::~File() {
    close();
}

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNone);
        path_ = std::move(other.path_);
    }
    return *this;
}

bool File::isAtPath() const {
    FileStatus open, named;
    return isOpen() && !status(open) && !statusOf(path_, named) && open.id == named.id &&
           named.kind != FileKind::Missing;
}

} // namespace quelmar
