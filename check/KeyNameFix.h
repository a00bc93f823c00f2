#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

class ConsoleKeys;

// A rejected key name that the console has no name for, left as it stands.
struct UnfixedKey {
    int line = 0;
    QString name;
};

// A copy of a script in which the key name of every `bind` and `unbind` that
// the console turns down, and that has a console name, is replaced by that
// name. Every other byte stays as it was: line ends, code page, comments.
struct KeyNameFix {
    QByteArray script;
    QList<UnfixedKey> unfixed;

    static KeyNameFix apply(const QByteArray& script, const ConsoleKeys& keys);
};

} // namespace quelmar
