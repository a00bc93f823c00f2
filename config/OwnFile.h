#pragma once

#include "config/FileSystem.h"

namespace quelmar {

// What makes the thing at a name unfit for us to write into: anything but a
// regular file of our own that no other name shares. None for a fit file or
// for no file at all.
FileProblem unfitness(const FileStatus& status);

// Makes a new file beside target, under a short hidden name that fits beside
// any name the folder can hold. A failure names the folder.
FileError createBeside(const QString& target, File& file);

// Puts a fresh file of our own at target, made beside it and renamed over
// whatever stood there: the old thing is never opened, cut or changed. The
// file is locked before it takes the name when lock is set. Where the
// replace is refused, the error says what stands at target.
FileError putFreshFile(const QString& target, File& file, bool lock, const FileCalls& calls);

} // namespace quelmar
