#include "check/ScriptCheck.h"

#include "buy/CatalogueTable.h"
#include "check/ConsoleKeys.h"

namespace quelmar {
namespace {

QString verbOf(const ConsoleCommand& command) {
    return command.words.first().text.toLower();
}

// The aliases a bind of the weapon page calls: every item's drag text
// without its ';', and the reset that ends each list.
const QSet<QString>& buyAliases() {
    static const QSet<QString> names = [] {
        QSet<QString> set{QStringLiteral("reset")};
        for (const BuyItem& item : buyItems())
            set.insert(QString::fromLatin1(item.dragText).remove(u';'));
        return set;
    }();
    return names;
}

// The first word of every command in a bound command list.
QStringList calledNames(const QString& commandList) {
    QStringList names;
    for (const QString& part : commandList.split(u';')) {
        const QString name = part.simplified().section(u' ', 0, 0).toLower();
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

QString quoted(const QString& latin1Text) {
    return u'"' + readableText(latin1Text) + u'"';
}

} // namespace

ScriptCheck::ScriptCheck(const ConsoleKeys& keys) : m_keys(keys) {}

QList<Finding> ScriptCheck::run(const QByteArray& script) {
    m_definedAliases.clear();
    m_boundOnLine.clear();
    m_findings.clear();
    const QList<ScriptLine> lines = splitScriptLines(script);
    QList<ConsoleLine> parsed;
    for (const ScriptLine& line : lines) {
        parsed.append(ConsoleLine::parse(line.text));
        // An alias counts wherever it stands: binds only run once the whole
        // file has been executed.
        for (const ConsoleCommand& command : parsed.last().commands) {
            if (verbOf(command) == u"alias" && command.words.size() > 1)
                m_definedAliases.insert(command.words.at(1).text.toLower());
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        checkLine(lines.at(i), parsed.at(i));
    return m_findings;
}

void ScriptCheck::checkLine(const ScriptLine& line, const ConsoleLine& parsed) {
    if (parsed.quoteLeftOpen)
        add(line.number, Finding::Severity::Error, QStringLiteral("double quotes do not pair up"));
    for (const ConsoleCommand& command : parsed.commands) {
        if (command.followsQuotedValue) {
            add(line.number, Finding::Severity::Error,
                QStringLiteral("text after a quoted value runs as a further command: ") +
                    readableText(command.text));
            break;
        }
    }
    for (const ConsoleCommand& command : parsed.commands)
        checkKeyCommand(line.number, command);
}

void ScriptCheck::checkKeyCommand(int line, const ConsoleCommand& command) {
    const QString verb = verbOf(command);
    if (verb == u"unbindall")
        m_boundOnLine.clear();
    if ((verb != u"bind" && verb != u"unbind") || command.words.size() < 2)
        return;
    const QString key = command.words.at(1).text;
    if (!m_keys.accepts(key)) {
        const QString fix = m_keys.consoleNameFor(key);
        add(line, Finding::Severity::Error,
            QStringLiteral("key %1 is not a console key name").arg(quoted(key)) +
                (fix.isEmpty() ? QString() : QStringLiteral("; use \"%1\"").arg(fix)));
    } else if (verb == u"unbind") {
        m_boundOnLine.remove(m_keys.keyOf(key));
    } else if (command.words.size() > 2) { // a bind with no command only shows the binding
        QStringList commandWords;
        for (qsizetype i = 2; i < command.words.size(); ++i)
            commandWords.append(command.words.at(i).text);
        checkBind(line, key, commandWords.join(u' '));
    }
}

void ScriptCheck::checkBind(int line, const QString& key, const QString& commandList) {
    if (key == u"`" || key == u"~")
        add(line, Finding::Severity::Warning,
            QStringLiteral("%1 is the console's own key; the game never hands it to a bind")
                .arg(quoted(key)));
    const QString keyId = m_keys.keyOf(key);
    if (m_boundOnLine.contains(keyId))
        add(line, Finding::Severity::Warning,
            QStringLiteral("key %1 is bound again; this line replaces the bind of line %2")
                .arg(quoted(key))
                .arg(m_boundOnLine.value(keyId)));
    m_boundOnLine.insert(keyId, line);
    for (const QString& name : calledNames(commandList)) {
        if (buyAliases().contains(name) && !m_definedAliases.contains(name))
            add(line, Finding::Severity::Warning,
                QStringLiteral("buy alias \"%1\" is not defined by any alias line of this file")
                    .arg(name));
    }
}

void ScriptCheck::add(int line, Finding::Severity severity, const QString& text) {
    m_findings.append({line, severity, text});
}

} // namespace quelmar
