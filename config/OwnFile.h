#pragma once

#include "config/FileSystem.h"

namespace quelmar {

// What makes the thing at a name unfit for us to write into: anything but a
// regular file of our own that no other name shares. None for a fit file or
// for no file at all.
FileProblem unfitness(const FileStatus& status);

// Makes a new file beside target, under a short hidden name that fits beside
// any name the folder can hold (asNewFile: as File::create). A failure names
// the folder.
FileError createBeside(const QString& target, File& file, bool asNewFile = false);

// Removes what saves that were killed left beside target: files of ours
// under createBeside's names that nobody holds locked and that are older
// than any save still running could be.
void removeLeftoversBeside(const QString& target);

// Writes bytes over the whole file from its start, cuts it there and syncs.
// The space is set aside first: a full disk fails before any byte changes,
// and a write cut short leaves the file at its old length or at the new one.
FileError overwrite(File& file, QByteArrayView bytes, const FileCalls& calls);

// Puts a fresh file of our own at target, made beside it and renamed over
// whatever stood there: the old thing is never opened, cut or changed. The
// file is locked before it takes the name when lock is set. Where the
// replace is refused, the error says what stands at target.
FileError putFreshFile(const QString& target, File& file, bool lock, const FileCalls& calls);

} // namespace quelmar
