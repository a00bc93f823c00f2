#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

// The console name of a key, by its Windows virtual-key code: 92 keyboard
// names. Every code without a name (Escape, Caps Lock, the keypad point,
// Delete, anything unknown or out of range) gives the empty string, which
// leaves a key field empty. Shift state never enters: one key, one name.
QString keyName(int virtualKey);

// Every name a key field can show, each once: the keyboard's, the mouse
// buttons' and the wheel's.
QStringList allKeyNames();

// The names of the mouse buttons by button code (1 left, 2 right, 4 middle,
// 8 and 16 the side buttons, the fourth and fifth); any other code gives the
// empty string. The side buttons go by the console's own spelling, the
// first three by the one the page has always written.
QString mouseButtonName(int button);

// The wheel's names by the direction of a turn: 1 away from the player
// ("MWHEELUP"), -1 towards ("MWHEELDOWN"); anything else gives the empty
// string.
QString wheelName(int direction);

} // namespace quelmar
