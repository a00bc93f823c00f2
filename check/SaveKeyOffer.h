#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

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

    // The script as the player wants it saved: when there is something to
    // offer, ask is put the question and says whether to take the fixed copy.
    static QByteArray scriptToSave(const QByteArray& script,
                                   const std::function<bool(const QString&)>& ask);
};

} // namespace quelmar
