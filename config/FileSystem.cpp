// What File does the same way on every platform, on top of the calls each
// platform's FileSystem source gives.
#include "config/FileSystem.h"

#include <QDir>
#include <QFileInfo>

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

FileError makeFolderPath(const QString& path) {
    // From the top down, so the first failure is the one with the real
    // reason (no rights, a file in the way) rather than "missing" below it.
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    FileStatus status;
    if (FileError error = statusOf(clean, status)) {
        error.step = FileStep::MakeFolder;
        return error;
    }
    if (status.kind != FileKind::Missing)
        return {}; // a file in the way is told by the folder made below it
    const QString parent = QFileInfo(clean).path();
    if (parent != clean) {
        if (FileError error = makeFolderPath(parent))
            return error;
    }
    return makeFolder(clean);
}

} // namespace quelmar
