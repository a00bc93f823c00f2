#pragma once

#include "config/FileSystem.h"

#include <windows.h>

namespace quelmar {

// What a name is to the player, from its attributes and, for a reparse
// point, its tag (FindFirstFileW's dwReserved0, or FileAttributeTagInfo of
// a handle opened with FILE_FLAG_OPEN_REPARSE_POINT). Only a name surrogate
// (a symbolic link, a junction, a link made under WSL) leads to another
// name, and only that is a link. Every other reparse point is an ordinary
// file or folder with a filter behind it: a OneDrive placeholder, a
// deduplicated or compressed file. WSL's sockets, FIFOs and device files
// are no regular files. A tag that could not be read (0) counts as a link,
// to be safe.
FileKind kindOf(DWORD attributes, DWORD reparseTag);

} // namespace quelmar
