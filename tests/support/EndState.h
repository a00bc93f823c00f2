#pragma once

#include "config/ConsoleModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quelmar::test {

// The console's end state of a script as lines, one per variable, key,
// alias and toggle ("var gamma=2.5", "bind MOUSE2=+jump"), sorted, then
// the other commands in the order they ran ("run 1: echo hi").
QStringList endState(const ConsoleModel& model);

// Where saved's end state fails opened's: a variable, key or alias the
// opened script left that saved leaves otherwise (unless its line starts
// with one of changed, the player's own changes), or the other commands
// run in another order. What saved adds (the program's own, and the
// commands its aliases run where the file called a name they define) is fine.
// Empty when the promise holds.
QString brokenPromise(const ConsoleModel& opened, const ConsoleModel& saved,
                      const QStringList& changed = {});

// The end state of text, with files in folder for its exec lines.
ConsoleModel modelOf(const QByteArray& text, const QString& folder = {});

} // namespace quelmar::test
