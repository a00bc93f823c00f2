#pragma once

#include "config/SystemIo.h"

#include <QByteArray>
#include <QString>

namespace quelmar {

// What a save left at the destination.
enum class SaveOutcome {
    Saved,     // the destination holds the whole script, every byte on disk
    Unchanged, // the destination is exactly as it was before (or still absent)
    Damaged,   // an in-place write failed and the old content could not be put back
};

// Writes script to destination, replacing an existing file. The script is
// written beside the destination, synced and renamed into place, so the
// destination ends up either complete or untouched. When the folder takes no
// new file but the destination is a file we may write, it is rewritten in
// place: space is reserved first, every byte is read back, and on any
// failure the old content is put back. Anything but Saved fills error.
// write stands in for the write system call (tests make it fail).
SaveOutcome saveScript(const QByteArray& script, const QString& destination,
                       QString* error = nullptr, const WriteCall& write = systemWrite());

} // namespace quelmar
