#pragma once

#include "config/ConsoleModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quelmar::test {

// A line per variable, key, alias and toggle ("bind MOUSE2=+jump"), sorted,
// then the other commands as they ran ("run 1: echo hi").
QStringList endState(const ConsoleModel& model);

// What of opened's end state saved's changes (but lines starting with one
// of changed, the player's), or the file's commands run out of order;
// what saved adds is fine. Empty when the promise holds.
QString brokenPromise(const ConsoleModel& opened, const ConsoleModel& saved,
                      const QStringList& changed = {});

// The end state of text, with files in folder for its exec lines.
ConsoleModel modelOf(const QByteArray& text, const QString& folder = {});

} // namespace quelmar::test
