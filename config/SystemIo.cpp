#include "config/SystemIo.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quelmar {

WriteCall systemWrite() {
    return [](int fd, const void* data, size_t size) { return ::write(fd, data, size); };
}

int writeAll(int fd, QByteArrayView bytes, const WriteCall& write) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = write(fd, data, size_t(left));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return errno;
        if (done == 0)
            return EIO; // a write that takes nothing would loop for ever
        data += done;
        left -= done;
    }
    return 0;
}

int readWhole(int fd, QByteArray* bytes) {
    bytes->clear();
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, chunk.data(), size_t(chunk.size()), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes->append(chunk.constData(), got);
        offset += got;
    }
}

QString systemReason(int error) {
    switch (error) {
    case ELOOP:
        // O_NOFOLLOW says this for a link, in words that would puzzle a player.
        return QStringLiteral("это символическая ссылка, по ссылкам программа не пишет");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace quelmar
