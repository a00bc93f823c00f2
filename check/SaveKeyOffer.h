#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

// What "Сохранить" offers to mend before the script is saved: the key names
// in the lines the pages wrote that the console turns down but has a name of
// its own for (the command page's "Num 0", "Page Up" ...). The fixed preamble
// is left as it is, and so are names the console has no spelling for.
struct SaveKeyOffer {
    QList<QByteArray> names;        // as the pages wrote them, each once, in file order
    QList<QByteArray> consoleNames; // the console's spelling of each
    QByteArray fixed;               // the whole script with those names replaced

    bool isEmpty() const { return names.isEmpty(); }

    // The question to ask the player, naming every name and its spelling.
    QString question() const;

    static SaveKeyOffer of(const QByteArray& script);
};

} // namespace quelmar
