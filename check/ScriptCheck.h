#pragma once

#include "check/ConsoleLine.h"
#include "check/Finding.h"
#include "check/ScriptLine.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

namespace quelmar {

class ConsoleKeys;

// Reads a whole console script and finds the lines the game's console will
// not take as the writer meant: key names it turns down, quotes that break a
// line apart, buy aliases nobody defines, keys bound twice, and binds of the
// console's own key. Findings come in line order.
class ScriptCheck {
  public:
    explicit ScriptCheck(const ConsoleKeys& keys);

    QList<Finding> run(const QByteArray& script);

  private:
    void checkLine(const ScriptLine& line, const ConsoleLine& parsed);
    void checkKeyCommand(int line, const ConsoleCommand& command);
    void checkBind(int line, const QString& key, const QString& commandList);
    void add(int line, Finding::Severity severity, const QString& text);

    const ConsoleKeys& m_keys;
    QSet<QString> m_definedAliases;    // lower case
    QHash<QString, int> m_boundOnLine; // key -> line of its latest bind
    QList<Finding> m_findings;
};

} // namespace quelmar
