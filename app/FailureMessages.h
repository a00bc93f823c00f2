#pragma once

#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"

#include <QString>

namespace quelmar {

// The texts that tell the player what went wrong with a file. Each names the
// file and the system's reason, and says truthfully what became of the file.

// Start-up could not get the temporary script (anything but Created).
QString startFailureText(TempConfigFile::Outcome outcome, const QString& path,
                         const QString& reason);

// A line could not be written to the temporary script during a run.
// stillThere: the file is still reachable under its name.
QString writeFailureText(const QString& path, const QString& reason, bool stillThere);

// The save to the chosen path failed (outcome is not Saved); exists: whether
// a file now stands at that path.
QString saveFailureText(const QString& path, const QString& reason, SaveOutcome outcome,
                        bool exists);

} // namespace quelmar
