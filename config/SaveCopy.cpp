#include "config/SaveCopy.h"

#include "config/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmar {

namespace {

// Writes, syncs and closes: only a file that passed all three holds the script.
int writeSyncClose(FileDescriptor& fd, const QByteArray& script, const WriteCall& write) {
    int error = writeAll(fd.get(), script, write);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    const int closeError = fd.close();
    return error ? error : closeError;
}

// A new file beside destination, with the mode the destination has (or the
// one a new file gets). Fills name; returns an invalid descriptor and errno
// set when the folder takes no new file.
FileDescriptor createBeside(const QByteArray& destination, const std::optional<struct stat>& old,
                            QByteArray* name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        *name = destination + '.' +
                QByteArray::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 36);
        FileDescriptor fd(::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.isValid()) {
            if (old) {
                ::fchmod(fd.get(), old->st_mode & 07777);
                // Only the owner or root can keep the owner; others keep theirs.
                [[maybe_unused]] const int kept = ::fchown(fd.get(), old->st_uid, old->st_gid);
            }
            return fd;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

void syncFolder(const QByteArray& destination) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(destination)).path());
    FileDescriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.isValid())
        ::fsync(fd.get()); // the rename is done either way; this only hurries it to disk
}

int putBack(int fd, const QByteArray& old) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    // The old bytes go back into blocks the file already owns, so the same
    // full disk does not stop them; they are written with the plain call.
    if (const int error = writeAll(fd, old, systemWrite()))
        return error;
    if (::ftruncate(fd, old.size()) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

int rewrite(int fd, const QByteArray& script, const WriteCall& write) {
    if (script.size() > 0) {
        // Reserve the space first: a full disk then fails before any byte changes.
        if (const int error = ::posix_fallocate(fd, 0, script.size()))
            return error;
    }
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = writeAll(fd, script, write))
        return error;
    if (::ftruncate(fd, script.size()) != 0 || ::fsync(fd) != 0)
        return errno;
    QByteArray back;
    if (const int error = readWhole(fd, &back))
        return error;
    return back == script ? 0 : EIO;
}

SaveOutcome saveInPlace(const QByteArray& script, const QByteArray& destination, QString* error,
                        const WriteCall& write) {
    FileDescriptor fd(::open(destination.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    QByteArray old;
    int failure = fd.isValid() ? readWhole(fd.get(), &old) : errno;
    if (failure) {
        *error = systemReason(failure);
        return SaveOutcome::Unchanged;
    }
    failure = rewrite(fd.get(), script, write);
    if (!failure)
        failure = fd.close();
    if (!failure)
        return SaveOutcome::Saved;
    *error = systemReason(failure);
    if (fd.isValid() && putBack(fd.get(), old) == 0 && fd.close() == 0)
        return SaveOutcome::Unchanged;
    return SaveOutcome::Damaged;
}

} // namespace

SaveOutcome saveScript(const QByteArray& script, const QString& destination, QString* error,
                       const WriteCall& write) {
    QString ignored;
    QString& reason = error ? *error : ignored;
    const QByteArray target = QFile::encodeName(destination);

    std::optional<struct stat> old;
    struct stat info {};
    if (::lstat(target.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) {
            reason = QStringLiteral("это не обычный файл");
            return SaveOutcome::Unchanged;
        }
        if (S_ISREG(info.st_mode))
            old = info;
    }

    QByteArray temporary;
    FileDescriptor fd = createBeside(target, old, &temporary);
    if (!fd.isValid()) {
        const int refused = errno;
        if (old)
            return saveInPlace(script, target, &reason, write);
        reason = systemReason(refused);
        return SaveOutcome::Unchanged;
    }
    if (const int failure = writeSyncClose(fd, script, write)) {
        ::unlink(temporary.constData());
        reason = systemReason(failure);
        return SaveOutcome::Unchanged;
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int refused = errno;
        ::unlink(temporary.constData());
        if (old)
            return saveInPlace(script, target, &reason, write);
        reason = systemReason(refused);
        return SaveOutcome::Unchanged;
    }
    syncFolder(target);
    return SaveOutcome::Saved;
}

} // namespace quelmar
