#include "check/KeyNameFix.h"

#include "check/ConsoleKeys.h"
#include "check/ConsoleLine.h"
#include "check/ScriptLine.h"

namespace quelmar {

KeyNameFix KeyNameFix::apply(const QByteArray& script, const ConsoleKeys& keys) {
    struct Replacement {
        qsizetype at;
        qsizetype length;
        QByteArray name;
    };
    KeyNameFix fix;
    QList<Replacement> replacements;
    for (const ScriptLine& line : splitScriptLines(script)) {
        for (const ConsoleCommand& command : ConsoleLine::parse(line.text).commands) {
            const QString verb = command.words.first().text.toLower();
            if ((verb != u"bind" && verb != u"unbind") || command.words.size() < 2)
                continue;
            const ConsoleWord& key = command.words.at(1);
            if (keys.accepts(key.text))
                continue;
            const QString name = keys.consoleNameFor(key.text);
            if (name.isEmpty())
                fix.unfixed.append({line.number, readableText(key.text)});
            else
                replacements.append({line.offset + key.begin, key.text.size(), name.toLatin1()});
        }
    }
    fix.script = script;
    // From the back, so that the offsets still ahead stay true.
    for (auto it = replacements.crbegin(); it != replacements.crend(); ++it)
        fix.script.replace(it->at, it->length, it->name);
    return fix;
}

} // namespace quelmar
