#include "config/ConfigStream.h"

#include "config/Cp1251.h"
#include "config/OwnFile.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmar {

namespace {
const QByteArray kLineEnd("\r\n");
}

bool ConfigStream::open(const QString& path) {
    fd_.close();
    path_ = path;
    failed_ = false;
    fd_ = openOwnFile(path, &error_);
    if (!fd_.isValid())
        return false;
    struct stat info {};
    // Only a regular file has a length to cut; a device such as /dev/full
    // is written as it is.
    if (::fstat(fd_.get(), &info) == 0 && S_ISREG(info.st_mode) && ::ftruncate(fd_.get(), 0) != 0) {
        error_ = systemReason(errno);
        fd_.close();
        return false;
    }
    error_.clear();
    return true;
}

bool ConfigStream::readWritten(QByteArray* bytes) {
    if (!isOpen()) {
        error_ = systemReason(EBADF);
        return false;
    }
    if (const int error = readWhole(fd_.get(), bytes)) {
        error_ = systemReason(error);
        return false;
    }
    return true;
}

bool ConfigStream::isAtPath() const {
    struct stat open {
    }, named{};
    return isOpen() && ::fstat(fd_.get(), &open) == 0 &&
           ::lstat(QFile::encodeName(path_).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void ConfigStream::writeLine(const QString& text) {
    put(toWindows1251(text) + kLineEnd);
}

void ConfigStream::writeEmptyLine() {
    put(kLineEnd);
}

void ConfigStream::beginSection(Section section) {
    writeEmptyLine();
    writeLine(sectionHeader(section));
}

void ConfigStream::writeLines(const QStringList& lines) {
    for (const QString& line : lines)
        writeLine(line);
}

void ConfigStream::put(const QByteArray& bytes) {
    if (!isOpen() || failed_)
        return;
    const qint64 lineStart = ::lseek(fd_.get(), 0, SEEK_CUR);
    if (const int error = writeAll(fd_.get(), bytes, write_))
        fail(error, lineStart);
}

void ConfigStream::fail(int error, qint64 lineStart) {
    // A cut line would end up in the player's script as a broken command:
    // take it back out, so the file ends after the last whole line.
    if (lineStart >= 0 && ::ftruncate(fd_.get(), lineStart) == 0)
        ::lseek(fd_.get(), lineStart, SEEK_SET);
    failed_ = true;
    error_ = systemReason(error);
    if (onFailure_)
        onFailure_();
}

} // namespace quelmar
