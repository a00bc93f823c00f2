// The Windows side of FileSystem.h: wide-character paths throughout (a user
// folder named in Cyrillic, a path past MAX_PATH), LockFileEx for the one
// running copy, FlushFileBuffers, and MoveFileExW for the one-step replace.
#include "config/FileSystem.h"

#include "config/AccessList.h"
#include "config/FileKind_windows.h"

#include <QDir>
#include <QThread>

#include <utility>
#include <windows.h>

#include <aclapi.h>

namespace quelmar {

namespace {

// An absolute path in the \\?\ form, which lifts the MAX_PATH limit; the
// form takes no '/' and no "..", hence the cleaning.
std::wstring native(const QString& path) {
    QString clean = QDir::cleanPath(path);
    if (clean.size() > 2 && clean.at(1) == QLatin1Char(':') && clean.at(2) == QLatin1Char('/'))
        clean.prepend(QStringLiteral("//?/"));
    else if (clean.startsWith(QLatin1String("//")) && !clean.startsWith(QLatin1String("//?/")))
        clean.replace(0, 2, QStringLiteral("//?/UNC/"));
    return QDir::toNativeSeparators(clean).toStdWString();
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Other programs may read the script, and a second copy of ours may open
// it to find it locked; FILE_SHARE_DELETE lets a file we hold be renamed.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The lock is one byte far past any script's end: Windows' locks are
// mandatory, and one on the data would make our own reads fail.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

// The reparse tag of a handle opened with FILE_FLAG_OPEN_REPARSE_POINT; 0
// when it is no reparse point or the tag cannot be read.
DWORD reparseTagOf(HANDLE handle, DWORD attributes) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        !::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info))
        return 0;
    return info.ReparseTag;
}

// The same for a name, where no handle could be had.
DWORD reparseTagOf(const std::wstring& name, DWORD attributes) {
    WIN32_FIND_DATAW found{};
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return 0;
    const HANDLE search = ::FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    ::FindClose(search);
    return found.dwReserved0;
}

std::uint64_t volumeSerialOf(const QString& path) {
    const std::wstring name = native(path);
    std::wstring volume(name.size() + 1, L'\0');
    DWORD serial = 0;
    if (::GetVolumePathNameW(name.c_str(), volume.data(), DWORD(volume.size())))
        ::GetVolumeInformationW(volume.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0);
    return serial;
}

// Whom a SID stands for, beside the user this program runs as.
Trustee trusteeOf(PSID sid, PSID user) {
    if (sid && user && ::EqualSid(sid, user))
        return Trustee::User;
    if (sid && (::IsWellKnownSid(sid, WinLocalSystemSid) ||
                ::IsWellKnownSid(sid, WinBuiltinAdministratorsSid)))
        return Trustee::Machine;
    return Trustee::Other;
}

// The SID of the user this program runs as; empty when it cannot be had.
const QByteArray& userSid() {
    static const QByteArray sid = [] {
        QByteArray bytes;
        HANDLE token = nullptr;
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
            return bytes;
        DWORD size = 0;
        ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        QByteArray info(qsizetype(size), '\0');
        if (size && ::GetTokenInformation(token, TokenUser, info.data(), size, &size)) {
            const PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
            bytes = QByteArray(static_cast<const char*>(user), qsizetype(::GetLengthSid(user)));
        }
        ::CloseHandle(token);
        return bytes;
    }();
    return sid;
}

// The owner and the access list of an open file, read as GetSecurityInfo
// gives them (the handle needs READ_CONTROL); false when they cannot be
// read, which counts as not private.
bool isPrivateHandle(HANDLE handle) {
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(handle, SE_FILE_OBJECT,
                          OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                          &list, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const PSID user = userSid().isEmpty() ? nullptr : PSID(userSid().constData());
    QList<AccessEntry> entries;
    for (DWORD i = 0; list && i < list->AceCount; ++i) {
        void* ace = nullptr;
        if (!::GetAce(list, i, &ace))
            continue;
        const auto* header = static_cast<const ACE_HEADER*>(ace);
        AccessEntry entry;
        entry.inheritOnly = header->AceFlags & INHERIT_ONLY_ACE;
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_ACE_TYPE) {
            // Both kinds lay out the mask and the SID the same way.
            const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
            entry.allows = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
            entry.mask = allowed->Mask;
            entry.who = trusteeOf(PSID(const_cast<DWORD*>(&allowed->SidStart)), user);
        } else {
            // A kind of entry we do not read grants, for all we know, everything.
            entry.mask = ~std::uint32_t(0);
        }
        entries.append(entry);
    }
    const bool result = isPrivateToUser(trusteeOf(owner, user), list != nullptr, entries);
    ::LocalFree(descriptor);
    return result;
}

std::int64_t secondsSince1970(const FILETIME& time) {
    // FILETIME counts 100 ns steps since 1601.
    const std::uint64_t ticks = (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return std::int64_t(ticks / 10000000) - 11644473600;
}

FileError statusOfHandle(HANDLE handle, const QString& path, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info))
        return FileError::system(FileStep::Open, path, int(::GetLastError()));
    status = {};
    status.kind = kindOf(info.dwFileAttributes, reparseTagOf(handle, info.dwFileAttributes));
    if (status.kind == FileKind::Regular && ::GetFileType(handle) != FILE_TYPE_DISK)
        status.kind = FileKind::Other;
    // The folder for temporary files is the user's own, and who else may
    // touch a file is the business of its access list, which a replace
    // inherits from the folder: every file counts as ours.
    status.ours = true;
    status.privateToUser = isPrivateHandle(handle);
    status.links = info.nNumberOfLinks;
    status.readOnly = info.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
    status.modified = secondsSince1970(info.ftLastWriteTime);
    status.id = {info.dwVolumeSerialNumber,
                 (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    // Wine forgets the volume of a handle whose file has been renamed; a
    // rename never leaves its volume, so the volume of the name is the one.
    if (status.id.device == 0)
        status.id.device = volumeSerialOf(path);
    return {};
}

bool hasReadOnlyMark(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A failed open of a name says more when we look at what stands there.
FileError openFailure(FileStep step, const QString& path, const std::wstring& name, DWORD code) {
    if (code == ERROR_ACCESS_DENIED && isFolder(name))
        return FileError::found(step, path, FileProblem::Folder);
    if (code == ERROR_ACCESS_DENIED && hasReadOnlyMark(name))
        return FileError::found(step, path, FileProblem::ReadOnlyFile);
    return FileError::system(step, path, int(code));
}

// An open that is not a regular file on a disk (a link, a device such as
// CON or NUL) is closed again.
FileError checkRegular(HANDLE handle, FileStep step, const QString& path) {
    FileStatus status;
    if (FileError error = statusOfHandle(handle, path, status))
        return error;
    if (status.kind == FileKind::Regular)
        return {};
    return FileError::found(step, path,
                            status.kind == FileKind::SymbolicLink ? FileProblem::SymbolicLink
                                                                  : FileProblem::NotRegular);
}

// Our own files beside the player's (the lock, the save's new copy) are
// named with a leading dot, which hides them on Linux; Explorer hides a
// file by its attribute instead.
bool hiddenByName(const std::wstring& name) {
    const size_t slash = name.find_last_of(L"\\/");
    return name.compare(slash == std::wstring::npos ? 0 : slash + 1, 1, L".") == 0;
}

// The attributes are those a new file gets; an existing file keeps its own.
HANDLE openName(const std::wstring& name, DWORD disposition, DWORD flags) {
    const DWORD attributes = hiddenByName(name) ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL;
    return ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                         disposition, attributes | flags, nullptr);
}

// A reparse point that is no link (a file kept in OneDrive, a deduplicated
// one) is the player's ordinary file, but opened as a reparse point it may
// hold none of its data (a placeholder not yet downloaded): it is opened
// again, as the file, and must still be the one the first open found and
// checked.
FileError reopenAsFile(const std::wstring& name, const QString& path, FileStep step,
                       HANDLE& handle) {
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    if (!::GetFileInformationByHandle(handle, &first) ||
        !(first.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return {};
    const HANDLE file = openName(name, OPEN_EXISTING, 0);
    if (file == INVALID_HANDLE_VALUE)
        return openFailure(step, path, name, ::GetLastError());
    ::CloseHandle(std::exchange(handle, file));
    if (!::GetFileInformationByHandle(handle, &second))
        return FileError::system(step, path, int(::GetLastError()));
    if (first.dwVolumeSerialNumber != second.dwVolumeSerialNumber ||
        first.nFileIndexHigh != second.nFileIndexHigh ||
        first.nFileIndexLow != second.nFileIndexLow)
        return FileError::found(step, path, FileProblem::SymbolicLink);
    return checkRegular(handle, step, path);
}

FileError openHandle(const QString& path, DWORD disposition, FileStep step, std::intptr_t& out) {
    const std::wstring name = native(path);
    // Never through a link: the name itself is opened, and a link refused.
    HANDLE handle = openName(name, disposition, FILE_FLAG_OPEN_REPARSE_POINT);
    if (handle == INVALID_HANDLE_VALUE)
        return openFailure(step, path, name, ::GetLastError());
    FileError error = checkRegular(handle, step, path);
    if (!error)
        error = reopenAsFile(name, path, step, handle);
    if (error) {
        ::CloseHandle(handle);
        return error;
    }
    out = reinterpret_cast<std::intptr_t>(handle);
    return {};
}

} // namespace

FileKind kindOf(DWORD attributes, DWORD reparseTag) {
    // Microsoft's tags that ntifs.h has and MinGW's headers lack.
    constexpr DWORD kWslFifo = 0x80000024, kWslCharacterDevice = 0x80000025,
                    kWslBlockDevice = 0x80000026;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (reparseTag <= IO_REPARSE_TAG_RESERVED_RANGE || IsReparseTagNameSurrogate(reparseTag))
            return FileKind::SymbolicLink;
        if (reparseTag == DWORD(IO_REPARSE_TAG_AF_UNIX) || reparseTag == kWslFifo ||
            reparseTag == kWslCharacterDevice || reparseTag == kWslBlockDevice)
            return FileKind::Other;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileKind::Folder;
    return FileKind::Regular;
}

FileError FileError::system(FileStep step, const QString& path, int code) {
    FileProblem problem = FileProblem::Other;
    switch (DWORD(code)) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        problem = FileProblem::NoSpace;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        problem = FileProblem::NoPermission;
        break;
    case ERROR_WRITE_PROTECT:
        problem = FileProblem::ReadOnly;
        break;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        problem = FileProblem::NameTooLong;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        problem = FileProblem::Missing;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        problem = FileProblem::Exists;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        problem = FileProblem::Busy;
        break;
    case ERROR_LOCK_VIOLATION:
        problem = step == FileStep::Lock ? FileProblem::Locked : FileProblem::Busy;
        break;
    case ERROR_CANT_ACCESS_FILE:
    case ERROR_CANT_RESOLVE_FILENAME:
        problem = FileProblem::SymbolicLink;
        break;
    case ERROR_DIRECTORY:
        problem = FileProblem::Folder;
        break;
    default:
        break;
    }
    return {problem, step, path, code};
}

QString systemText(int code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString result = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QStringLiteral("error %1").arg(code);
    ::LocalFree(text);
    return result;
}

FileError statusOf(const QString& path, FileStatus& status) {
    status = {};
    const std::wstring name = native(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND
                   ? FileError{}
                   : FileError::system(FileStep::Open, path, int(code));
    }
    // Only asking for attributes: no share mode of another program stops it.
    // READ_CONTROL too, for the owner and the access list: the owner always
    // has it, and a file that refuses it to this user is no private one.
    HANDLE handle = ::CreateFileW(
        name.c_str(), FILE_READ_ATTRIBUTES | READ_CONTROL, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        handle =
            ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        status.kind = kindOf(attributes, reparseTagOf(name, attributes));
        status.ours = true;
        status.links = 1;
        status.readOnly = attributes & FILE_ATTRIBUTE_READONLY;
        return {};
    }
    const FileError error = statusOfHandle(handle, path, status);
    ::CloseHandle(handle);
    return error;
}

FileError makePrivateFolder(const QString& path) {
    // The folder for temporary files is the user's own on Windows; the
    // folder made here inherits its access list.
    const std::wstring name = native(path);
    if (!::CreateDirectoryW(name.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return FileError::system(FileStep::MakeFolder, path, int(::GetLastError()));
    FileStatus status;
    if (FileError error = statusOf(path, status)) {
        error.step = FileStep::MakeFolder;
        return error;
    }
    if (status.kind == FileKind::SymbolicLink)
        return FileError::found(FileStep::MakeFolder, path, FileProblem::SymbolicLink);
    if (status.kind != FileKind::Folder)
        return FileError::found(FileStep::MakeFolder, path, FileProblem::NotRegular);
    return {};
}

FileError replaceFile(const QString& from, const QString& to) {
    const std::wstring source = native(from), target = native(to);
    // The attributes go with the file: the save's hidden copy must not
    // hide the player's script it becomes.
    const DWORD attributes = ::GetFileAttributesW(source.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) &&
        !hiddenByName(target)) {
        const DWORD kept = attributes & ~DWORD(FILE_ATTRIBUTE_HIDDEN);
        ::SetFileAttributesW(source.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    // The game or a virus scanner may hold the target for a moment: try
    // again for about a second before calling it busy.
    DWORD code = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::MoveFileExW(source.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        code = ::GetLastError();
        // The player's read-only mark refuses every try: say so at once.
        if (code == ERROR_ACCESS_DENIED && hasReadOnlyMark(target))
            return FileError::found(FileStep::Replace, to, FileProblem::ReadOnlyFile);
        if ((code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED &&
             code != ERROR_LOCK_VIOLATION) ||
            isFolder(target))
            break;
        QThread::msleep(50);
    }
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
        (code == ERROR_ACCESS_DENIED && !isFolder(target) &&
         ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES))
        return {FileProblem::Busy, FileStep::Replace, to, int(code)};
    return FileError::system(FileStep::Replace, to, int(code));
}

FileError makeFolder(const QString& path) {
    if (!::CreateDirectoryW(native(path).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS)
        return FileError::system(FileStep::MakeFolder, path, int(::GetLastError()));
    return {};
}

QString stateFolder() {
    QString base = qEnvironmentVariable("LOCALAPPDATA");
    if (!QDir::isAbsolutePath(base))
        base = QDir(QDir::homePath()).filePath(QStringLiteral("AppData/Local"));
    return QDir(base).filePath(QStringLiteral("Quelmar"));
}

void removeFile(const QString& path) {
    ::DeleteFileW(native(path).c_str());
}

void syncFolder(const QString&) {
    // MOVEFILE_WRITE_THROUGH has already put the replace on the disk.
}

ScriptPlaces scriptPlaces() {
    // %TEMP%: the user's own folder under the profile.
    return {QDir::tempPath(), false, {}};
}

TempFolderSetting tempFolderSetting() {
    // GetTempPath reads TMP before TEMP. The quotes keep cmd.exe from
    // taking the blank before "&" into the value.
    return {QStringLiteral("TMP"), QStringLiteral("set \"TMP=D:\\Temp\" & quelmar")};
}

FileError File::open(const QString& path, File& file) {
    file.close();
    file.path_ = path;
    return openHandle(path, OPEN_EXISTING, FileStep::Open, file.handle_);
}

FileError File::create(const QString& path, File& file, bool) {
    // A new file takes its access list from the folder either way.
    file.close();
    file.path_ = path;
    return openHandle(path, CREATE_NEW, FileStep::Create, file.handle_);
}

FileError File::status(FileStatus& status) const {
    return statusOfHandle(handleOf(handle_), path_, status);
}

void File::takeOver(const FileStatus&) {
    // Access lists come from the folder; there is no mode to carry over.
}

FileError File::writeSome(QByteArrayView bytes, qint64& written) {
    DWORD done = 0;
    const DWORD size = DWORD(std::min<qsizetype>(bytes.size(), 1 << 30));
    if (!::WriteFile(handleOf(handle_), bytes.data(), size, &done, nullptr)) {
        written = 0;
        return FileError::system(FileStep::Write, path_, int(::GetLastError()));
    }
    written = done;
    return {};
}

FileError File::readAll(QByteArray& bytes, qint64 limit) const {
    bytes.clear();
    // A positioned read moves a synchronous handle's position; it is put back.
    qint64 was = 0;
    if (FileError error = position(was))
        return error;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    FileError error;
    for (;;) {
        if (bytes.size() > limit) {
            error = FileError::found(FileStep::Read, path_, FileProblem::PastLimit);
            break;
        }
        OVERLAPPED at{};
        at.Offset = DWORD(quint64(bytes.size()) & 0xFFFFFFFF);
        at.OffsetHigh = DWORD(quint64(bytes.size()) >> 32);
        DWORD got = 0;
        if (!::ReadFile(handleOf(handle_), chunk.data(), DWORD(chunk.size()), &got, &at) &&
            ::GetLastError() != ERROR_HANDLE_EOF) {
            error = FileError::system(FileStep::Read, path_, int(::GetLastError()));
            break;
        }
        if (got == 0)
            break;
        bytes.append(chunk.constData(), got);
    }
    LARGE_INTEGER back{};
    back.QuadPart = was;
    ::SetFilePointerEx(handleOf(handle_), back, nullptr, FILE_BEGIN);
    return error;
}

FileError File::position(qint64& offset) const {
    LARGE_INTEGER zero{}, now{};
    if (!::SetFilePointerEx(handleOf(handle_), zero, &now, FILE_CURRENT))
        return FileError::system(FileStep::Write, path_, int(::GetLastError()));
    offset = now.QuadPart;
    return {};
}

FileError File::seek(qint64 offset) {
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    if (!::SetFilePointerEx(handleOf(handle_), to, nullptr, FILE_BEGIN))
        return FileError::system(FileStep::Write, path_, int(::GetLastError()));
    return {};
}

FileError File::truncate(qint64 size) {
    // Sets the end without moving the position, as ftruncate does.
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(handleOf(handle_), FileEndOfFileInfo, &end, sizeof end))
        return FileError::system(FileStep::Write, path_, int(::GetLastError()));
    return {};
}

FileError File::reserve(qint64 size) {
    if (size <= 0)
        return {};
    const HANDLE handle = handleOf(handle_);
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    // Only a full disk matters here; a file system that keeps no allocation
    // of its own still shows a full disk at the write, which is checked.
    if (!::SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation)) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL)
            return FileError::system(FileStep::Reserve, path_, int(code));
    }
    // The allocation leaves the end where it was; a shorter file is made
    // size long, as posix_fallocate makes it.
    LARGE_INTEGER now{};
    if (!::GetFileSizeEx(handle, &now))
        return FileError::system(FileStep::Reserve, path_, int(::GetLastError()));
    if (now.QuadPart >= size)
        return {};
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(handle, FileEndOfFileInfo, &end, sizeof end))
        return FileError::system(FileStep::Reserve, path_, int(::GetLastError()));
    return {};
}

FileError File::sync() {
    if (!::FlushFileBuffers(handleOf(handle_)))
        return FileError::system(FileStep::Sync, path_, int(::GetLastError()));
    return {};
}

FileError File::tryLock() {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    if (!::LockFileEx(handleOf(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                      0, &at))
        return FileError::system(FileStep::Lock, path_, int(::GetLastError()));
    return {};
}

FileError File::close() {
    if (handle_ == kNone)
        return {};
    // The system drops the lock with the handle.
    const HANDLE handle = handleOf(std::exchange(handle_, kNone));
    if (!::CloseHandle(handle))
        return FileError::system(FileStep::Write, path_, int(::GetLastError()));
    return {};
}

} // namespace quelmar
