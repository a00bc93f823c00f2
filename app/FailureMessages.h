#pragma once

#include "app/OpenedScript.h"
#include "check/GameHook.h"
#include "config/FileError.h"
#include "config/ProblemText.h"
#include "config/RewriteRecord.h"
#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"

#include <QString>
#include <QStringList>

namespace quelmar {

// Every text that tells the player what went wrong with a file. Each names
// the file at fault, says what is wrong with it in plain Russian, says
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

// The save to destination failed; exists: whether a file now stands there.
QString saveFailureText(const QString& destination, const SaveResult& result, bool exists);

// A script the player opened could not be read; atStart: named on the
// command line, so the program does not start.
QString openFailureText(const QString& path, const FileError& error, bool atStart);
// A second script for the same run; opened is the first.
QString secondScriptText(const QString& opened);
// Something other than one .cfg file was dropped on the menu.
QString notAScriptText();
// The window program was given a command-line tool's options with no
// console to answer on: where the console program is.
QString consoleProgramText();
// What became of an opened script: for the message box, and in English for a
// terminal's standard error.
QString openedReportText(const QString& path, const OpenedReport& report);
QString openedReportLines(const QString& path, const OpenedReport& report);
// The command line's line for a script named at start that cannot be read.
QString openFailureLine(const QString& path, const FileError& error);
// A save named config.cfg in the game's folder: the question that offers
// userconfig.cfg in its place, and the one asked when that file is there.
QString gameConfigQuestionText();
QString replaceUserConfigText(const QString& path);

// After a save into the game's folder: whether the game should run the
// script at every start (a line in userconfig.cfg).
QString hookQuestionText(const QString& name);
// Why the console cannot run a script of this name, instead of the question.
QString unrunnableNameText(const QString& name, ExecNameProblem problem);
// What became of userconfig.cfg at path when the line went in other than
// plainly; empty when there is nothing to tell.
// The script runs the game's own scripts: it is not hooked in.
QString hookLoopText(const QString& name);
QString hookOutcomeText(const QString& path, const QString& name, const HookResult& result);

// Rewrites a crash cut short, settled at start; empty when there were none.
QString putBackText(const QList<PutBack>& putBack);

} // namespace quelmar
