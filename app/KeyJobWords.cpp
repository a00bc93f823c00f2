#include "app/KeyJobWords.h"

#include "binds/CommandRows.h"
#include "config/ScriptCodePage.h"

#include <QCoreApplication>
#include <QStringList>

namespace quelmar {

namespace {

// What each buy alias buys, as the object of "покупка". The guns go by
// their own names in every language.
constexpr struct {
    const char* alias;
    const char* thing;
} kPurchases[] = {
    {"1-1", "USP"},
    {"1-2", "Glock"},
    {"1-3", "Desert Eagle"},
    {"1-4", "P228"},
    {"1-5", "Dual Elites"},
    {"1-6", "Five-SeveN"},
    {"2-1", "M3"},
    {"2-2", "XM1014"},
    {"3-1", "MP5"},
    {"3-2", "TMP"},
    {"3-3", "P90"},
    {"3-4", "MAC-10"},
    {"3-5", "UMP45"},
    {"4-1", "AK-47"},
    {"4-2", "SG 552"},
    {"4-3", "M4A1"},
    {"4-4", "AUG"},
    {"4-5", "Scout"},
    {"4-6", "AWP"},
    {"4-7", "G3SG1"},
    {"4-8", "SG 550"},
    {"5-1", "M249"},
    {"8-1", QT_TRANSLATE_NOOP("KeyJobWords", "бронежилета")},
    {"8-2", QT_TRANSLATE_NOOP("KeyJobWords", "бронежилета с каской")},
    {"8-3", QT_TRANSLATE_NOOP("KeyJobWords", "световой гранаты")},
    {"8-4", QT_TRANSLATE_NOOP("KeyJobWords", "осколочной гранаты")},
    {"8-5", QT_TRANSLATE_NOOP("KeyJobWords", "дымовой гранаты")},
    {"8-6", QT_TRANSLATE_NOOP("KeyJobWords", "набора сапёра")},
    {"ammo1", QT_TRANSLATE_NOOP("KeyJobWords", "патронов")},
    {"ammo2", QT_TRANSLATE_NOOP("KeyJobWords", "патронов к пистолету")},
};

QString thingOf(QByteArrayView alias) {
    for (const auto& p : kPurchases) {
        if (alias == p.alias)
            return alias.at(0) == '8' || alias.startsWith("ammo")
                       ? QCoreApplication::translate("KeyJobWords", p.thing)
                       : QString::fromLatin1(p.thing);
    }
    return {};
}

// The things a weapon record buys, or nothing when command is not one.
QStringList purchases(const QByteArray& command) {
    const QList<QByteArray> parts = command.split(';');
    if (parts.size() < 2 || parts.last() != "reset")
        return {};
    QStringList things;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString thing = thingOf(parts[i]);
        if (thing.isEmpty())
            return {};
        things.append(thing);
    }
    return things;
}

} // namespace

QString jobWords(const QByteArray& command) {
    if (QStringList things = purchases(command); !things.isEmpty()) {
        const QString last = things.takeLast();
        return things.isEmpty() ? QCoreApplication::translate("KeyJobWords", "покупка %1").arg(last)
                                : QCoreApplication::translate("KeyJobWords", "покупка %1 и %2")
                                      .arg(things.join(QStringLiteral(", ")), last);
    }
    const QString text = fromScriptCodePage(command);
    for (int row = 0; row < commands::kRowCount; ++row) {
        if (commands::command(row) == text)
            return commands::caption(row);
    }
    constexpr int kLongest = 40;
    return QCoreApplication::translate("KeyJobWords", "«%1»")
        .arg(text.size() > kLongest ? text.first(kLongest - 1) + u'…' : text);
}

QString originWords(KeyOrigin origin) {
    switch (origin) {
    case KeyOrigin::Weapons:
        return QCoreApplication::translate("KeyJobWords", "закупка оружия");
    case KeyOrigin::Commands:
        return QCoreApplication::translate("KeyJobWords", "команды");
    case KeyOrigin::Kept:
        return QCoreApplication::translate("KeyJobWords", "открытый сценарий");
    case KeyOrigin::Program:
        break;
    }
    return QCoreApplication::translate("KeyJobWords", "сама программа");
}

QString heldText(const QString& keyName, const KeyJob::Earlier& job) {
    return QCoreApplication::translate("KeyJobWords", "%1: %2 (%3)")
        .arg(keyName, jobWords(job.command), originWords(job.origin));
}

QString clashesText(const KeyJobs& jobs) {
    QString list;
    for (const KeyJob& job : jobs.jobs()) {
        if (job.unknown || !job.clashes())
            continue;
        QStringList earlier;
        for (const KeyJob::Earlier& e : job.replaced) {
            if (e.command != job.command)
                earlier.append(QCoreApplication::translate("KeyJobWords", "%1 (%2)")
                                   .arg(jobWords(e.command), originWords(e.origin)));
        }
        list += QCoreApplication::translate("KeyJobWords", "%1 — заменяет: %2\n")
                    .arg(heldText(fromScriptCodePage(job.name), {job.command, job.origin}),
                         earlier.join(QStringLiteral("; ")));
    }
    if (list.isEmpty())
        return {};
    return QCoreApplication::translate(
               "KeyJobWords", "Эти клавиши сценарий назначает не один раз, разным командам. В игре "
                              "сработает та, что стоит первой в строке; она заменяет "
                              "остальные:\n\n%1")
        .arg(list);
}

} // namespace quelmar
