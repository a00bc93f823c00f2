#include "binds/CommandTake.h"

#include "binds/CommandRows.h"
#include "binds/KeyNames.h"
#include "config/ConsoleKeys.h"
#include "config/ConsoleModel.h"

#include <QHash>
#include <QSet>

namespace quelmar {

namespace {

// The page's name of every key it can show, by the key's identity.
const QHash<QByteArray, QString>& pageNamesByKey() {
    static const QHash<QByteArray, QString> names = [] {
        QHash<QByteArray, QString> byKey;
        const ConsoleKeys& keys = ConsoleKeys::embedded();
        for (const QString& name : allKeyNames()) {
            const QByteArray latin = name.toLatin1();
            byKey.insert(ConsoleModel::keyIdentity(latin), name);
            if (const QByteArray console = keys.consoleNameFor(latin); !console.isEmpty())
                byKey.insert(ConsoleModel::keyIdentity(console), name);
        }
        return byKey;
    }();
    return names;
}

} // namespace

CommandTake takeCommands(const QList<ScriptBind>& binds) {
    CommandTake take;
    QHash<QString, int> rowOf;
    for (int row = 0; row < commands::kRowCount; ++row)
        rowOf.insert(commands::command(row).toLower(), row);
    QStringList& names = take.start.names;
    names.resize(commands::kFieldCount);
    take.start.spellings.resize(commands::kFieldCount);
    QSet<QString> shownNames;
    // Our own section lists every key field before any alternate (the alias
    // rows after the others): a row met again, or one above the last met,
    // means the alternates have begun, so a row with only its alternate
    // filled comes back there.
    int lastRow[2] = {-1, -1};
    bool alternates[2] = {false, false};
    for (const ScriptBind& bind : binds) {
        const int row = rowOf.value(bind.command.toLower(), -1);
        if (row < 0)
            continue;
        const QString name = pageNamesByKey().value(bind.key);
        const int keyField = commands::keyField(row);
        const int alternate = commands::alternateField(row);
        if (name.isEmpty() || (!names[keyField].isEmpty() && !names[alternate].isEmpty()) ||
            shownNames.contains(name))
            continue;
        int field = names[keyField].isEmpty() ? keyField : alternate;
        if (bind.ours) {
            const int group = row < commands::kFirstAliasRow ? 0 : 1;
            alternates[group] = alternates[group] || row <= lastRow[group];
            lastRow[group] = row;
            if (alternates[group] && names[alternate].isEmpty())
                field = alternate;
        }
        take.keys.append(bind.key);
        shownNames.insert(name);
        names[field] = name;
        take.start.spellings[field] = bind.spelling == name ? QString() : bind.spelling;
        ++take.shown;
    }
    return take;
}

} // namespace quelmar
