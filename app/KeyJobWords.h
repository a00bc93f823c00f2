#pragma once

#include "config/KeyJobs.h"

#include <QString>

namespace quelmar {

// A key's jobs in the player's words, for the pages' notices and the box
// before the save.

// What a command does: a weapon record as the purchase it makes ("покупка
// AK-47 и патронов"), a command of the command page by its row's caption,
// anything else as the command itself (cut when long).
QString jobWords(const QByteArray& command);

// Where a job comes from: "закупка оружия", "команды", the opened script,
// the program itself.
QString originWords(KeyOrigin origin);

// "F1: покупка AK-47 и патронов (закупка оружия)".
QString heldText(const QString& keyName, const KeyJob::Earlier& job);

// Every key bound more than once to different commands: the job that
// stands and the jobs it replaced, where each comes from. Empty when there
// is none.
QString clashesText(const KeyJobs& jobs);

} // namespace quelmar
