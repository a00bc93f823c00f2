#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

class ConsoleKeys;

// A rejected key name and what became of it.
struct KeyNameChange {
    int line = 0;
    QByteArray name;        // as written
    QByteArray consoleName; // empty: the console has no name for the key
};

// A copy of a script in which the key name of every `bind` and `unbind` that
// the console turns down, and that has a console name, is replaced by that
// name, also inside the text an alias or bind keeps when that text is one
// word of the file. Every other byte stays as it was: line ends, code page,
// comments. Time and memory are linear in the script.
struct KeyNameFix {
    QByteArray script;
    QList<KeyNameChange> fixed;   // each name once, where it first stands
    QList<KeyNameChange> unfixed; // left as they are, every one

    // Only commands from byte `from` on are looked at (a command starts there).
    static KeyNameFix apply(const QByteArray& script, const ConsoleKeys& keys, qsizetype from = 0);
};

} // namespace quelmar
