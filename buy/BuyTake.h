#pragma once

#include "config/ScriptBinds.h"

#include <QStringList>

namespace quelmar {

// What the weapon page takes of an opened script's binds: the record line
// of each key bound to a list of purchases, as the page records it.
struct BuyTake : BindTake {
    QStringList records;
};

// binds: in the order the records are to stand.
BuyTake takeBuyRecords(const QList<ScriptBind>& binds);

} // namespace quelmar
