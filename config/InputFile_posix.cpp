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

FileError InputFile::open(const QString& path, InputFile& file) {
    file.path_ = path;
    const int fd = ::open(pathToBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FileError::system(FileStep::Open, path, errno);
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
