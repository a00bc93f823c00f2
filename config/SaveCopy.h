#pragma once

#include "config/FileSystem.h"

#include <QByteArray>
#include <QString>

namespace quelmar {

// What a save left at the destination.
enum class SaveOutcome {
    Saved,     // the destination holds the whole script, every byte on disk
    Unchanged, // the destination is exactly as it was before (or still absent)
    Damaged,   // an in-place write failed and the old content could not be put back
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Unchanged;
    FileError error; // what went wrong; none when Saved
};

// Writes script to destination, replacing an existing file. The script is
// written beside the destination, synced and renamed into place, so the
// destination ends up either complete or untouched. When the folder takes no
// new file or refuses the rename but the destination is a file we may write,
// it is rewritten in place: space is reserved first, every byte is read
// back, and on any failure the old content is put back. calls stand in for
// the system's (tests make them fail).
SaveResult saveScript(const QByteArray& script, const QString& destination,
                      const FileCalls& calls = {});

} // namespace quelmar
