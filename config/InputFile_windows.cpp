#include "config/InputFile.h"

#include <QDir>

#include <windows.h>

namespace quelmar {

namespace {

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

InputFile::~InputFile() {
    if (handle_ != kNone)
        ::CloseHandle(handleOf(handle_));
}

FileError InputFile::open(const QString& path, InputFile& file, InputKind kind) {
    file.path_ = path;
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        // A folder is refused as "access denied", which would send the
        // player looking at the wrong thing.
        const DWORD attributes = ::GetFileAttributesW(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return FileError::found(FileStep::Open, path, FileProblem::Folder);
        return FileError::system(FileStep::Open, path, int(code));
    }
    // A pipe, the console or a device is not the player's script; CreateFileW
    // never waits for a pipe's other end, so looking after the open is enough.
    if (kind == InputKind::RegularFile && ::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        return FileError::found(FileStep::Open, path, FileProblem::NotRegular);
    }
    if (file.handle_ != kNone)
        ::CloseHandle(handleOf(file.handle_));
    file.handle_ = reinterpret_cast<std::intptr_t>(handle);
    return {};
}

FileError InputFile::read(char* data, qint64 size, qint64& got) {
    DWORD done = 0;
    got = 0;
    if (::ReadFile(handleOf(handle_), data, DWORD(qMin(size, qint64(1) << 30)), &done, nullptr)) {
        got = done;
        return {};
    }
    const DWORD code = ::GetLastError();
    // The writing end of a pipe has closed: the end of what it sent.
    return code == ERROR_BROKEN_PIPE ? FileError{}
                                     : FileError::system(FileStep::Read, path_, int(code));
}

bool InputFile::rewind() {
    return ::GetFileType(handleOf(handle_)) == FILE_TYPE_DISK &&
           ::SetFilePointerEx(handleOf(handle_), LARGE_INTEGER{}, nullptr, FILE_BEGIN);
}

qint64 InputFile::regularSize() const {
    LARGE_INTEGER size{};
    return ::GetFileType(handleOf(handle_)) == FILE_TYPE_DISK &&
                   ::GetFileSizeEx(handleOf(handle_), &size)
               ? qint64(size.QuadPart)
               : -1;
}

} // namespace quelmar
