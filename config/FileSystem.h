#pragma once

#include "config/FileError.h"
#include "config/InputFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>

// The one place where config/ meets the operating system's files. Each
// platform implements this header in its own source file, picked by the
// build (FileSystem_posix.cpp, FileSystem_windows.cpp); the rules built on
// it are the same everywhere.

namespace quelmar {

// A file's identity on its disk, whatever names it has.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t node = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

enum class FileKind { Missing, Regular, Folder, SymbolicLink, Other };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    bool ours = false; // owned by the user this program runs as
    std::uint64_t links = 0;
    FileId id;
    // What a file that replaces this one takes over (mode and owner here).
    std::uint32_t mode = 0, owner = 0, group = 0;
    // The file itself refuses writes: its own read-only mark or mode bits,
    // whatever rights this user has beyond them (root's included).
    bool readOnly = false;
    std::int64_t modified = 0; // the last write, in seconds since 1970
    // Nobody but this user can change it: the user owns it and nobody else
    // may write it (no write bit for group or others; on Windows, the owner
    // and the access list, see AccessList.h). Only what is private to the
    // user may tell the program which file to overwrite.
    bool privateToUser = false;
};

// The name itself, a symbolic link not followed; Missing is no failure.
FileError statusOf(const QString& path, FileStatus& status);

// Makes a folder that only this user can use, or checks that the one
// standing at the name is a real folder of this user's (not a link) and
// closes it to everyone else.
FileError makePrivateFolder(const QString& path);

// Makes one folder; one that already stands there is no failure.
FileError makeFolder(const QString& path);
// Makes the folder and every missing folder above it; a failure says which
// one could not be made, and why.
FileError makeFolderPath(const QString& path);

// The user's own folder for what must outlive a power cut but is no
// document: $XDG_STATE_HOME/quelmar (~/.local/state/quelmar without it) or
// %LOCALAPPDATA%\Quelmar. Not made here.
QString stateFolder();

// Puts the file at from in place of whatever stands at to, in one step.
FileError replaceFile(const QString& from, const QString& to);
void removeFile(const QString& path);
// Hurries a replace in folder to the disk; the replace stands either way.
void syncFolder(const QString& folder);

// Where the script is kept. folder is used as it is unless makePrivate; a
// private folder that is taken or unsafe gives way to fallback, a folder
// that only this user can use.
struct ScriptPlaces {
    QString folder;
    bool makePrivate = false;
    QString fallback;
};
ScriptPlaces scriptPlaces();

// How a player names another temporary folder: the environment variable
// that chooses it on this platform, and a command line that sets it for
// one run.
struct TempFolderSetting {
    QString variable;
    QString example;
};
TempFolderSetting tempFolderSetting();

// One open file, closed when it goes.
class File {
  public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens the file at path for reading and writing, never through a
    // symbolic link and never waiting on a FIFO.
    static FileError open(const QString& path, File& file);
    // Makes a new file at path; Exists when the name is taken. Only its
    // user may use it, or, with asNewFile, it gets the permissions any new
    // file of this user gets (0666 less the umask).
    static FileError create(const QString& path, File& file, bool asNewFile = false);

    bool isOpen() const { return handle_ != kNone; }
    const QString& path() const { return path_; }
    // The file has been given another name (by replaceFile).
    void renamed(const QString& path) { path_ = path; }

    FileError status(FileStatus& status) const;
    // The file is still the one at its name.
    bool isAtPath() const;
    // Gives the file the mode and, where allowed, the owner of old.
    void takeOver(const FileStatus& old);

    // One write call at the current position: written says how much went.
    FileError writeSome(QByteArrayView bytes, qint64& written);
    // The whole file from its start, whatever the position; past limit
    // bytes PastLimit, having held no more than that and one read.
    FileError readAll(QByteArray& bytes, qint64 limit = kInputLimit) const;
    FileError position(qint64& offset) const;
    FileError seek(qint64 offset);
    FileError truncate(qint64 size);
    // Sets aside size bytes, so a full disk fails before any byte changes;
    // a shorter file grows to size, zeros at its end.
    FileError reserve(qint64 size);
    FileError sync();
    // An exclusive lock, taken without waiting: Locked when another program
    // holds it. The system drops it when the holder ends in any way, kill -9
    // included, so a lock left behind never blocks anyone.
    FileError tryLock();
    // A close can be the first place where a delayed write error shows.
    FileError close();

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    QString path_;
};

// The calls that a full disk or a stubborn folder makes fail: the program
// runs on the system's own; tests put failing ones here.
struct FileCalls {
    std::function<FileError(File& file, QByteArrayView bytes, qint64& written)> write =
        [](File& file, QByteArrayView bytes, qint64& written) {
            return file.writeSome(bytes, written);
        };
    std::function<FileError(const QString& from, const QString& to)> replace = replaceFile;
    std::function<FileError(const File& file, QByteArray& bytes)> read =
        [](const File& file, QByteArray& bytes) { return file.readAll(bytes); };
    // What stands at a name, as statusOf tells it (tests make a file
    // another user's, or open to others' writes).
    std::function<FileError(const QString& path, FileStatus& status)> status = statusOf;
};

// Writes all of bytes at the current position, going on after a short write.
FileError writeAll(File& file, QByteArrayView bytes, const FileCalls& calls);

} // namespace quelmar
