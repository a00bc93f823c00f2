#include "check/SaveKeyOffer.h"

#include "check/KeyNameFix.h"
#include "config/ConsoleKeys.h"
#include "config/ScriptCodePage.h"
#include "config/StringResources.h"

#include <QCoreApplication>

namespace quelmar {

SaveKeyOffer SaveKeyOffer::of(const QByteArray& script) {
    // The preamble as the script file begins: the resource and one more line end.
    static const QByteArray preamble =
        toScriptCodePage(stringResource(StringResource::Preamble)) + "\r\n";
    KeyNameFix fix = KeyNameFix::apply(script, ConsoleKeys::embedded(),
                                       script.startsWith(preamble) ? preamble.size() : 0);
    SaveKeyOffer offer;
    for (const KeyNameChange& change : std::as_const(fix.fixed)) {
        offer.names.append(change.name);
        offer.consoleNames.append(change.consoleName);
    }
    offer.fixed = std::move(fix.script);
    return offer;
}

QByteArray SaveKeyOffer::scriptToSave(const QByteArray& script,
                                      const std::function<bool(const QString&)>& ask) {
    const SaveKeyOffer offer = of(script);
    return !offer.isEmpty() && ask(offer.question()) ? offer.fixed : script;
}

QString SaveKeyOffer::question() const {
    QString list;
    for (qsizetype i = 0; i < names.size(); ++i)
        list += QStringLiteral("%1  →  %2\n")
                    .arg(fromScriptCodePage(names.at(i)), QString::fromLatin1(consoleNames.at(i)));
    return QCoreApplication::translate(
               "SaveKeyOffer",
               "Консоль игры не примет эти названия клавиш: у неё для тех же клавиш "
               "свои имена.\n\n%1\nСохранить их так, как их пишет консоль?\n"
               "«Нет» сохранит названия как есть.")
        .arg(list);
}

} // namespace quelmar
