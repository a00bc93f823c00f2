#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

// A key an opened script leaves bound, as the pages that bind keys ask for it.
struct ScriptBind {
    QByteArray key;    // the key as the console knows it (ConsoleModel::keyIdentity)
    QString spelling;  // the key as the script names it
    QString command;   // what the key runs
    bool ours = false; // bound on a line under our own command section's header
};

// What such a page takes of the binds: the keys it now binds itself (the
// script's own commands for them are the page's from then on) and how many
// of its inputs start from the script.
struct BindTake {
    QList<QByteArray> keys;
    int shown = 0;
};

} // namespace quelmar
