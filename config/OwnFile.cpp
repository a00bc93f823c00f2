#include "config/OwnFile.h"

#include "config/SystemIo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmar {

FileDescriptor openOwnFile(const QString& path, QString* reason) {
    // Non-blocking only for the open itself: a FIFO put in the file's place
    // must not hang the program.
    FileDescriptor fd(::open(QFile::encodeName(path).constData(),
                             O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    if (!fd.isValid()) {
        *reason = systemReason(errno);
        return {};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        *reason = systemReason(errno);
        return {};
    }
    if (info.st_uid != ::geteuid()) {
        *reason = QStringLiteral("файл принадлежит другому пользователю");
        return {};
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        *reason = systemReason(errno);
        return {};
    }
    return fd;
}

} // namespace quelmar
