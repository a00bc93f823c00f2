#pragma once

#include "config/FileError.h"
#include "config/RewriteRecord.h"
#include "config/TempConfigFile.h"

#include <QString>
#include <QStringList>

namespace quelmar {

// What the player is told as the program starts and while it writes the
// script of the run. Like every text that tells of a failed file, each names
// the file at fault, says what is wrong with it in plain words, says
// truthfully what became of it, and what the player can do.

// The program lacks some of its fixed texts (the resource files named).
QString damagedProgramText(const QStringList& missing);

// Start-up could not get the temporary script (anything but Created).
QString startFailureText(const TempConfigFile::Result& result);

// The usual folder was taken or unsafe, so the script lies in the fallback.
QString fallbackFolderText(const TempConfigFile::Result& result);

// A line could not be written to the temporary script during a run.
// stillThere: the file is still reachable under its name.
QString writeFailureText(const FileError& error, bool stillThere);

// Rewrites a crash cut short, settled at start; empty when there were none.
QString putBackText(const QList<PutBack>& putBack);

// The window program was given a command-line tool's options with no
// console to answer on: where the console program is.
QString consoleProgramText();

} // namespace quelmar
