#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>

namespace quelmar {

// The game console's rule for the key name of `bind` and `unbind`: a name of
// one byte is that character's key; a longer name must be one of the
// console's key names, whatever its case. Beside it, for the names our
// command page writes that the console turns down, the console's own name
// for the same key, where it has one.
class ConsoleKeys {
  public:
    // keyNames: one name a line; fixes: "rejected<TAB>console name" a line,
    // the right side may be empty. In both, lines starting with '#' are comments.
    ConsoleKeys(const QByteArray& keyNames, const QByteArray& fixes);

    // The lists embedded in the program.
    static const ConsoleKeys& embedded();

    bool accepts(QByteArrayView name) const;

    // The console's name for a rejected name, or an empty array when the
    // console has none.
    QByteArray consoleNameFor(QByteArrayView name) const;

    // What two accepted names share when they name the same key; empty for
    // a rejected name.
    QByteArray keyOf(QByteArrayView name) const;

    // Where a key (as keyOf gives it) stands in the console's own list of
    // keys: the named keys in the list's order, the one-character keys
    // between SPACE and the next, by their code; a name the console turns
    // down after them all.
    int rank(QByteArrayView key) const;

  private:
    QHash<QByteArray, int> order_;        // upper case -> place in the list
    QSet<QByteArray> names_;              // upper case
    QHash<QByteArray, QByteArray> fixes_; // upper-case rejected name -> console name
};

} // namespace quelmar
