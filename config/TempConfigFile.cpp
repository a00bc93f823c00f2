#include "config/TempConfigFile.h"

#include "config/ConfigStream.h"
#include "config/StringResources.h"
#include "config/SystemIo.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmar {

namespace {

bool tmpdirIsSet() {
    return !qEnvironmentVariableIsEmpty("TMPDIR");
}

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

QString TempConfigFile::folder() {
    if (!tmpdirIsSet())
        return QDir(QDir::tempPath()).filePath(QStringLiteral("quelmar-%1").arg(::geteuid()));
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        // QDir gives nothing for a TMPDIR that does not exist; keep the named
        // folder anyway, so that creating the file fails and says where,
        // instead of landing in whatever the working folder happens to be.
        folder = qEnvironmentVariable("TMPDIR");
    }
    return folder;
}

QString TempConfigFile::path() {
    return QDir(folder()).filePath(QStringLiteral("cfg.cfg"));
}

QString TempConfigFile::lockPath() {
    // Hidden: the player looking for the script sees the script alone.
    return QDir(folder()).filePath(QStringLiteral(".cfg.cfg.lock"));
}

bool TempConfigFile::preparePrivateFolder(const QString& folder, QString* error) {
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        setError(error, systemReason(errno));
        return false;
    }
    // The system folder is shared: whatever stands under our name must be a
    // real folder of ours, or another user could point our writes elsewhere.
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        setError(error, systemReason(errno));
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        setError(error, QStringLiteral("папка %1 не является папкой этого пользователя")
                            .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    if ((info.st_mode & 0077) != 0 && ::chmod(name.constData(), 0700) != 0) {
        setError(error, systemReason(errno));
        return false;
    }
    return true;
}

TempConfigFile::Outcome TempConfigFile::create(ConfigStream& stream, QString* error) {
    if (!tmpdirIsSet() && !preparePrivateFolder(folder(), error))
        return Outcome::CreateFailed;

    FileLock lock;
    switch (lock.acquire(lockPath())) {
    case FileLock::State::Held:
        break;
    case FileLock::State::Busy:
        setError(error, lock.errorString());
        return Outcome::AlreadyRunning;
    default:
        setError(error, lock.errorString());
        return Outcome::CreateFailed;
    }
    if (!stream.open(path())) {
        setError(error, stream.errorString());
        return Outcome::CreateFailed;
    }
    stream.keepLock(std::move(lock));
    stream.writeLine(stringResource(101));
    if (stream.failed()) {
        setError(error, stream.errorString());
        return Outcome::WriteFailed;
    }
    return Outcome::Created;
}

} // namespace quelmar
