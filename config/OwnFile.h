#pragma once

#include "config/FileDescriptor.h"

#include <QString>

namespace quelmar {

// Opens a file of the user's own for reading and writing, creating it
// (mode 0600) when it is missing. It refuses a symbolic link and a file that
// another user owns, so nobody else can steer our writes into a file of
// theirs or of ours. The file is not truncated. On failure the descriptor is
// invalid and reason says why.
FileDescriptor openOwnFile(const QString& path, QString* reason);

} // namespace quelmar
