#pragma once

#include "config/ScriptBinds.h"

#include <QStringList>

namespace quelmar {

// The key fields as an opened script fills them, by field index: the name
// shown, and the script's own spelling of it.
struct CommandStart {
    QStringList names;
    QStringList spellings;
};

// What the command page takes of an opened script's binds.
struct CommandTake : BindTake {
    CommandStart start;
};

// Each key bound to one of the page's commands that a field can show goes
// into the row's key field, or its alternate once the key is taken; a row
// already full, or a name already shown, leaves the key to the script.
// binds: in the order the script bound them last, those under our own
// header first.
CommandTake takeCommands(const QList<ScriptBind>& binds);

} // namespace quelmar
