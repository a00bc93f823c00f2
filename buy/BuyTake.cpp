#include "buy/BuyTake.h"

#include "config/BuyAliases.h"
#include "config/ConfigLines.h"

#include <algorithm>

namespace quelmar {

namespace {

// A bind the page records: drag texts one after another, then reset.
bool isBuyChain(const QString& command) {
    QStringList parts = command.split(QLatin1Char(';'));
    if (parts.size() < 2 || parts.takeLast() != QLatin1String("reset"))
        return false;
    return std::all_of(parts.begin(), parts.end(),
                       [](const QString& part) { return isDragText(part + QLatin1Char(';')); });
}

} // namespace

BuyTake takeBuyRecords(const QList<ScriptBind>& binds) {
    BuyTake take;
    for (const ScriptBind& bind : binds) {
        if (!isBuyChain(bind.command))
            continue;
        take.keys.append(bind.key);
        take.records.append(bindLine(bind.spelling, bind.command));
        ++take.shown;
    }
    return take;
}

} // namespace quelmar
