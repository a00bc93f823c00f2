#pragma once

#include "check/GameHook.h"
#include "config/FileError.h"
#include "config/SaveCopy.h"

#include <QString>

namespace quelmar {

// What the player is asked and told as the script is saved, and as the game
// is made to run it.

// The save to destination failed; exists: whether a file now stands there.
QString saveFailureText(const QString& destination, const SaveResult& result, bool exists);

// A save named config.cfg in the game's folder: the question that offers
// userconfig.cfg in its place, and the one asked when that file is there.
QString gameConfigQuestionText();
QString replaceUserConfigText(const QString& path);

// After a save into the game's folder: whether the game should run the
// script at every start (a line in userconfig.cfg).
QString hookQuestionText(const QString& name);
// Why the console cannot run a script of this name, instead of the question.
QString unrunnableNameText(const QString& name, ExecNameProblem problem);
// The script runs the game's own scripts: it is not hooked in.
QString hookLoopText(const QString& name);
// What became of userconfig.cfg at path when the line went in other than
// plainly; empty when there is nothing to tell.
QString hookOutcomeText(const QString& path, const QString& name, const HookResult& result);

} // namespace quelmar
