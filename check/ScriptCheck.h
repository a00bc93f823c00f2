#pragma once

#include "check/Finding.h"
#include "check/ScriptText.h"
#include "config/ConsoleReader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

#include <functional>

namespace quelmar {

class CommandStream;
class ConsoleKeys;
class ScriptSource;

// Reads a whole console script as the game's console does and finds where
// the console will do something other than what the lines say: key names it
// turns down, text it runs that was meant as a comment or a value, buy
// aliases nobody defines, keys bound twice, and what a byte-order mark, a NUL
// byte, bare CR line ends or over-long commands, words and alias names do.
// Time is linear in the script, and memory stays the same however long it
// is; findings come in line order.
class ScriptCheck {
  public:
    using Sink = std::function<void(const Finding&)>;

    explicit ScriptCheck(const ConsoleKeys& keys);

    // Reads source twice: an alias counts wherever it stands, as binds run
    // only once the whole file has been executed. False when the source
    // failed; what was found before that has been passed on.
    bool run(ScriptSource& source, const Sink& sink);

  private:
    void collectAliases(const ConsoleReader& reader, const ConsoleCommand& command);
    void checkFileShape(const ConsoleReader& reader, const ConsoleCommand& command);
    void checkCommand(const ConsoleReader& reader, const ConsoleCommand& command);
    void checkKeptText(QByteArrayView text, int line, const QString& when);
    // Rules that hold wherever a command stands; false when it binds nothing.
    bool checkKeyAndAlias(const ConsoleReader& reader, const ConsoleCommand& command, int line,
                          const QString& when);
    void checkTwice(QByteArrayView key, int line);
    void add(int line, Finding::Severity severity, const QString& text);

    int lineAt(qsizetype offset);

    const ConsoleKeys& keys_;
    QSet<QByteArray> definedAliases_;    // the buy aliases among them, lower case
    QHash<QByteArray, int> boundOnLine_; // key -> line of its latest bind
    CommandStream* stream_ = nullptr;    // of the reading under way
    bool afterComment_ = false;          // a comment on this line was ended by ';'
    QSet<QByteArray> reportedCalls_;     // buy aliases reported for this command
    QList<Finding> pending_;             // of the command being read
};

} // namespace quelmar
