#pragma once

#include "app/OpenedScript.h"
#include "config/FileError.h"

#include <QString>

namespace quelmar {

// What the player is told of a script opened to start the pages from.

// A script the player opened could not be read; atStart: named on the
// command line, so the program does not start.
QString openFailureText(const QString& path, const FileError& error, bool atStart);
// The command line's line for a script named at start that cannot be read.
QString openFailureLine(const QString& path, const FileError& error);
// A second script for the same run; opened is the first.
QString secondScriptText(const QString& opened);
// Something other than one .cfg file was dropped on the menu.
QString notAScriptText();
// What became of an opened script: for the message box, and in English for a
// terminal's standard error.
QString openedReportText(const QString& path, const OpenedReport& report);
QString openedReportLines(const QString& path, const OpenedReport& report);

} // namespace quelmar
