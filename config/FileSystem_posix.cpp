// The POSIX side of FileSystem.h: descriptors, flock, fsync, rename.
#include "config/FileSystem.h"

#include "config/PathBytes.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quelmar {

namespace {

// Exactly the bytes of a name taken from the system or the command line,
// even where they are not UTF-8.
QByteArray native(const QString& path) {
    return pathToBytes(path);
}

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISLNK(mode))
        return FileKind::SymbolicLink;
    return FileKind::Other;
}

FileStatus statusFrom(const struct stat& info) {
    FileStatus s;
    s.kind = kindOf(info.st_mode);
    s.ours = info.st_uid == ::geteuid();
    s.links = info.st_nlink;
    s.id = {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
    s.mode = info.st_mode & 07777;
    s.owner = info.st_uid;
    s.group = info.st_gid;
    // The bits that apply to this user; root, whom no bit stops, still
    // leaves alone a file that nobody may write.
    const uid_t user = ::geteuid();
    const mode_t writable = user == 0                    ? (S_IWUSR | S_IWGRP | S_IWOTH)
                            : info.st_uid == user        ? S_IWUSR
                            : info.st_gid == ::getegid() ? S_IWGRP
                                                         : S_IWOTH;
    s.readOnly = S_ISREG(info.st_mode) && (info.st_mode & writable) == 0;
    s.modified = info.st_mtim.tv_sec;
    s.privateToUser = info.st_uid == user && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    return s;
}

// A system call that an arriving signal interrupted is simply made again.
template <class Call> auto retried(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

// A folder that exists, is this user's and takes no strangers.
bool isPrivateFolderOf(const QString& path) {
    struct stat info {};
    return ::lstat(native(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

} // namespace

FileError FileError::system(FileStep step, const QString& path, int code) {
    FileProblem problem = FileProblem::Other;
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        problem = FileProblem::NoSpace;
        break;
    case EFBIG:
        problem = FileProblem::TooLarge;
        break;
    case EACCES:
    case EPERM:
        problem = FileProblem::NoPermission;
        break;
    case EROFS:
        problem = FileProblem::ReadOnly;
        break;
    case ENAMETOOLONG:
        problem = FileProblem::NameTooLong;
        break;
    case ENOENT:
        problem = FileProblem::Missing;
        break;
    case ENOTDIR:
        problem = FileProblem::NotAFolder;
        break;
    case EEXIST:
        problem = FileProblem::Exists;
        break;
    case EBUSY:
    case ETXTBSY:
        problem = FileProblem::Busy;
        break;
    case EWOULDBLOCK:
        problem = step == FileStep::Lock ? FileProblem::Locked : FileProblem::Other;
        break;
    case ELOOP: // what O_NOFOLLOW says of a link
        problem = FileProblem::SymbolicLink;
        break;
    case EISDIR:
        problem = FileProblem::Folder;
        break;
    case ESPIPE:
    case ENXIO:
        problem = FileProblem::NotRegular;
        break;
    default:
        break;
    }
    return {problem, step, path, code};
}

QString systemText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

FileError statusOf(const QString& path, FileStatus& status) {
    struct stat info {};
    if (::lstat(native(path).constData(), &info) != 0) {
        status = {};
        return errno == ENOENT ? FileError{} : FileError::system(FileStep::Open, path, errno);
    }
    status = statusFrom(info);
    return {};
}

FileError makePrivateFolder(const QString& path) {
    const QByteArray name = native(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return FileError::system(FileStep::MakeFolder, path, errno);
    // The system folder is shared: whatever stands under our name must be a
    // real folder of ours, or another user could point our writes elsewhere.
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return FileError::system(FileStep::MakeFolder, path, errno);
    if (S_ISLNK(info.st_mode))
        return FileError::found(FileStep::MakeFolder, path, FileProblem::SymbolicLink);
    if (!S_ISDIR(info.st_mode))
        return FileError::found(FileStep::MakeFolder, path, FileProblem::NotRegular);
    if (info.st_uid != ::geteuid())
        return FileError::found(FileStep::MakeFolder, path, FileProblem::OtherOwner);
    if ((info.st_mode & 0077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return FileError::system(FileStep::MakeFolder, path, errno);
    return {};
}

FileError makeFolder(const QString& path) {
    if (::mkdir(native(path).constData(), 0777) != 0 && errno != EEXIST)
        return FileError::system(FileStep::MakeFolder, path, errno);
    return {};
}

QString stateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules: a relative path is to be ignored.
    const QString base = QDir::isAbsolutePath(state)
                             ? state
                             : QDir(QDir::homePath()).filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("quelmar"));
}

FileError replaceFile(const QString& from, const QString& to) {
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return FileError::system(FileStep::Replace, to, errno);
    return {};
}

void removeFile(const QString& path) {
    ::unlink(native(path).constData());
}

void syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

ScriptPlaces scriptPlaces() {
    // TMPDIR is the user's own choice: the script lies right in it. Else the
    // system's shared folder gets a folder of the user's own, so users of one
    // machine never share or block each other's file.
    if (!qEnvironmentVariableIsEmpty("TMPDIR")) {
        QString folder = QDir::tempPath();
        // QDir gives nothing for a TMPDIR that does not exist; keep the named
        // folder, so that creating the file fails and says where.
        return {folder.isEmpty() ? qEnvironmentVariable("TMPDIR") : folder, false, {}};
    }
    ScriptPlaces places{
        QDir(QDir::tempPath()).filePath(QStringLiteral("quelmar-%1").arg(::geteuid())), true, {}};
    // Another user can take that name first. The session's runtime folder is
    // the user's alone by the desktop's own rules; a session without one
    // falls back on the user's cache folder in the home.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && isPrivateFolderOf(runtime))
        places.fallback = QDir(runtime).filePath(QStringLiteral("quelmar"));
    else
        places.fallback = QDir(QDir::homePath()).filePath(QStringLiteral(".cache/quelmar"));
    return places;
}

TempFolderSetting tempFolderSetting() {
    return {QStringLiteral("TMPDIR"), QStringLiteral("TMPDIR=~/tmp quelmar")};
}

FileError File::open(const QString& path, File& file) {
    file.close();
    file.path_ = path;
    // Non-blocking only for the open itself: a FIFO put in the file's place
    // must not hang the program.
    const int fd =
        ::open(native(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return FileError::system(FileStep::Open, path, errno);
    file.handle_ = fd;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const FileError error = FileError::system(FileStep::Open, path, errno);
        file.close();
        return error;
    }
    return {};
}

FileError File::create(const QString& path, File& file, bool asNewFile) {
    file.close();
    file.path_ = path;
    const int fd = ::open(native(path).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                          asNewFile ? 0666 : 0600);
    if (fd < 0)
        return FileError::system(FileStep::Create, path, errno);
    file.handle_ = fd;
    return {};
}

FileError File::status(FileStatus& status) const {
    struct stat info {};
    if (::fstat(int(handle_), &info) != 0)
        return FileError::system(FileStep::Open, path_, errno);
    status = statusFrom(info);
    return {};
}

void File::takeOver(const FileStatus& old) {
    ::fchmod(int(handle_), old.mode);
    // Only the owner or root can keep the owner; others keep theirs.
    [[maybe_unused]] const int kept = ::fchown(int(handle_), old.owner, old.group);
}

FileError File::writeSome(QByteArrayView bytes, qint64& written) {
    written = retried([&] { return ::write(int(handle_), bytes.data(), size_t(bytes.size())); });
    if (written < 0) {
        written = 0;
        return FileError::system(FileStep::Write, path_, errno);
    }
    return {};
}

FileError File::readAll(QByteArray& bytes, qint64 limit) const {
    bytes.clear();
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (;;) {
        if (bytes.size() > limit)
            return FileError::found(FileStep::Read, path_, FileProblem::PastLimit);
        const ssize_t got = retried([&] {
            return ::pread(int(handle_), chunk.data(), size_t(chunk.size()), off_t(bytes.size()));
        });
        if (got < 0)
            return FileError::system(FileStep::Read, path_, errno);
        if (got == 0)
            return {};
        bytes.append(chunk.constData(), got);
    }
}

FileError File::position(qint64& offset) const {
    offset = ::lseek(int(handle_), 0, SEEK_CUR);
    return offset < 0 ? FileError::system(FileStep::Write, path_, errno) : FileError{};
}

FileError File::seek(qint64 offset) {
    if (::lseek(int(handle_), off_t(offset), SEEK_SET) != offset)
        return FileError::system(FileStep::Write, path_, errno);
    return {};
}

FileError File::truncate(qint64 size) {
    if (retried([&] { return ::ftruncate(int(handle_), off_t(size)); }) != 0)
        return FileError::system(FileStep::Write, path_, errno);
    return {};
}

FileError File::reserve(qint64 size) {
    if (size <= 0)
        return {};
    if (const int error = ::posix_fallocate(int(handle_), 0, off_t(size)))
        return FileError::system(FileStep::Reserve, path_, error);
    return {};
}

FileError File::sync() {
    if (::fsync(int(handle_)) != 0)
        return FileError::system(FileStep::Sync, path_, errno);
    return {};
}

FileError File::tryLock() {
    if (retried([&] { return ::flock(int(handle_), LOCK_EX | LOCK_NB); }) != 0)
        return FileError::system(FileStep::Lock, path_, errno);
    return {};
}

FileError File::close() {
    if (handle_ == kNone)
        return {};
    // Linux frees the descriptor even when close fails, so it is never retried.
    const int fd = int(std::exchange(handle_, kNone));
    if (::close(fd) != 0)
        return FileError::system(FileStep::Write, path_, errno);
    return {};
}

} // namespace quelmar
