#include "config/InputFile.h"

#include "config/PathBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmar {

InputFile::~InputFile() {
    if (handle_ != kNone)
        ::close(int(handle_));
}

namespace {

FileError unfit(const QString& path, mode_t mode) {
    return FileError::found(FileStep::Open, path,
                            S_ISDIR(mode) ? FileProblem::Folder : FileProblem::NotRegular);
}

} // namespace

FileError InputFile::open(const QString& path, InputFile& file, InputKind kind) {
    file.path_ = path;
    const QByteArray name = pathToBytes(path);
    const bool regular = kind == InputKind::RegularFile;
    // Looked at before the open, since opening a device can act on it (a
    // tape rewinds, a modem line rises); then the open itself never waits,
    // in case a FIFO took the name in between, and what was opened is
    // looked at again.
    struct stat info {};
    if (regular && ::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return unfit(path, info.st_mode);
    const int fd =
        ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (regular ? O_NONBLOCK : 0));
    if (fd < 0)
        return FileError::system(FileStep::Open, path, errno);
    if (regular) {
        const int flags = ::fcntl(fd, F_GETFL);
        FileError error;
        if (::fstat(fd, &info) != 0 || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            error = FileError::system(FileStep::Open, path, errno);
        else if (!S_ISREG(info.st_mode))
            error = unfit(path, info.st_mode);
        if (error) {
            ::close(fd);
            return error;
        }
    }
    if (file.handle_ != kNone)
        ::close(int(file.handle_));
    file.handle_ = fd;
    return {};
}

FileError InputFile::read(char* data, qint64 size, qint64& got) {
    do
        got = ::read(int(handle_), data, size_t(size));
    while (got < 0 && errno == EINTR);
    if (got >= 0)
        return {};
    got = 0;
    return FileError::system(FileStep::Read, path_, errno);
}

bool InputFile::rewind() {
    return ::lseek(int(handle_), 0, SEEK_SET) == 0;
}

qint64 InputFile::regularSize() const {
    struct stat info {};
    return ::fstat(int(handle_), &info) == 0 && S_ISREG(info.st_mode) ? qint64(info.st_size) : -1;
}

} // namespace quelmar
