#pragma once

#include <QString>

namespace quelmar {

// What was being done with a file when it failed.
enum class FileStep { MakeFolder, Lock, Open, Create, Write, Read, Sync, Reserve, Replace };

// What is wrong, in terms a message can explain. The system's common codes
// are sorted into these; Other keeps the code for the system's own text.
enum class FileProblem {
    None,
    NoSpace,
    TooLarge, // past the size the system lets this program give a file
    NoPermission,
    ReadOnly,
    NameTooLong,
    Missing,
    Exists,
    Busy,
    Locked,       // another program holds the lock
    SymbolicLink, // found at a name we never write through
    Folder,
    NotRegular,   // a FIFO, a device, a socket
    SharedName,   // a regular file with a second name (a hard link)
    NotAFolder,   // a file stands where a folder is named
    ReadOnlyFile, // the file's own read-only mark, which the player set
    OtherOwner,   // another user's file or folder
    Replaced,     // the file we hold is no longer the one at its name
    Changed,      // the disk gave back other bytes than were written
    PastLimit,    // larger than the program reads (kInputLimit in InputFile.h)
    Untrusted,    // in a place others may write, or not the player's own
    Damaged,      // not in the form the program writes it
    HoldsNul,     // a NUL byte, where the console stops reading (text saved as UTF-16)
    Other,
};

// One failure: which file, what was being done with it, and why. A default
// one means that nothing failed. Every call in config/ that can fail returns
// one; the words the player reads are made from it above config/.
struct FileError {
    FileProblem problem = FileProblem::None;
    FileStep step = FileStep::Open;
    QString path;
    int code = 0; // the system's error code; 0 for a finding of our own

    explicit operator bool() const { return problem != FileProblem::None; }

    // A failure the system reported with its code.
    static FileError system(FileStep step, const QString& path, int code);
    // A failure of our own finding.
    static FileError found(FileStep step, const QString& path, FileProblem problem) {
        return {problem, step, path, 0};
    }
};

// The system's own words for a code, for the problems we have no words for.
QString systemText(int code);

} // namespace quelmar
