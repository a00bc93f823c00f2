#pragma once

#include "config/FileError.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace quelmar {

// The script tools of the command line. Each returns the program's exit
// status and writes its reasons for a status 2 to err.

// Checks every file in turn and writes one line per finding to out, files in
// the order given. 0: nothing found; 1: findings; 2: a file could not be read
// (the other files are still checked).
int checkScripts(const QStringList& files, QTextStream& out, QTextStream& err);

// Writes a copy of input with the console's key names put in, and names on
// err every rejected key that has no console name. 0: every rejected key
// replaced; 1: some left, as reported; 2: input unreadable or output not
// written (then output is left as it was).
int fixScriptKeys(const QString& input, const QString& output, QTextStream& err);

// Writes one line per key the script leaves bound, in the order of the
// console's key list: the key, a tab and its command, with the commands an
// earlier bind of it gave it that the last one replaced, and "not working"
// for a name the console turns down. The script runs as the game runs it,
// the files its exec lines name included. 0: every key bound once and
// working; 1: some key bound more than once or under a name the console
// turns down; 2: the file could not be read.
int listKeys(const QString& file, QTextStream& out, QTextStream& err);

// Adds the line `exec NAME` to userconfig.cfg in folder, so that the game
// runs the script name at every start. 0: the line is there now (added,
// said on out, or there already); 1: userconfig.cfg could not be written
// (left as it was, unless err says otherwise); 2: the name is not one the
// console can run, or folder is no folder.
int hookScript(const QString& name, const QString& folder, QTextStream& out, QTextStream& err);

} // namespace quelmar
