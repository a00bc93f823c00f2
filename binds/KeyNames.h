#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

// The console name of a key, by its Windows virtual-key code: 92 keyboard
// names. Every code without a name (Escape, Caps Lock, the keypad point,
// Delete, anything unknown or out of range) gives the empty string, which
// leaves a key field empty. Shift state never enters: one key, one name.
QString keyName(int virtualKey);

// Every name a key field can show, each once: the keyboard's and the
// mouse buttons'.
QStringList allKeyNames();

// The names of the three mouse buttons by button code (1 left, 2 right,
// 4 middle); any other code gives the empty string.
QString mouseButtonName(int button);

} // namespace quelmar
