#pragma once

#include "check/ConsoleReader.h"
#include "check/Finding.h"
#include "check/ScriptText.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

#include <functional>

namespace quelmar {

class ConsoleKeys;

// Reads a whole console script as the game's console does and finds where
// the console will do something other than what the lines say: key names it
// turns down, text it runs that was meant as a comment or a value, buy
// aliases nobody defines, keys bound twice, and what a byte-order mark, a NUL
// byte, bare CR line ends or over-long commands, words and alias names do.
// Time and memory are linear in the script; findings come in line order.
class ScriptCheck {
  public:
    using Sink = std::function<void(const Finding&)>;

    explicit ScriptCheck(const ConsoleKeys& keys);

    void run(QByteArrayView script, const Sink& sink);

  private:
    void collectAliases(QByteArrayView text);
    void checkFileShape(const ConsoleReader& reader, const ConsoleCommand& command);
    void checkCommand(const ConsoleReader& reader, const ConsoleCommand& command);
    void checkKeptText(QByteArrayView text, int line, const QString& when);
    // Rules that hold wherever a command stands; false when it binds nothing.
    bool checkKeyAndAlias(const ConsoleReader& reader, const ConsoleCommand& command, int line,
                          const QString& when);
    void checkTwice(QByteArrayView key, int line);
    void add(int line, Finding::Severity severity, const QString& text);

    const ConsoleKeys& keys_;
    QSet<QByteArray> definedAliases_;    // lower case
    QHash<QByteArray, int> boundOnLine_; // key -> line of its latest bind
    LineCounter lines_{{}};
    bool afterComment_ = false;      // a comment on this line was ended by ';'
    QSet<QByteArray> reportedCalls_; // buy aliases reported for this command
    QList<Finding> pending_;         // of the command being read
};

} // namespace quelmar
