#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <span>

namespace quelmar {

// A key of the keyboard's main block that carries a letter or a sign: what
// a US layout puts on it, and its PC scan code (set 1), which names the
// place on the keyboard whatever the layout.
struct MainBlockKey {
    char us;
    int scanCode;
};
std::span<const MainBlockKey> mainBlockKeys();

// The characters the player's own keyboard layout puts on the main block's
// keys, by the US layout's character there ('q' gives "Й"), in upper case;
// only where they differ from the US layout's. The player's own layout is
// the one in use, or else the first other one the player has that differs.
// Empty where the platform does not tell (a Wayland session, no window
// system) or every layout is the US one.
QHash<char, QString> ownLayoutLetters();

// The choice behind it, given how many layouts there are (the one in use
// first) and the character each puts on a key (empty for none): the first
// layout with characters that differ from the US layout's.
QHash<char, QString>
ownLettersAmong(int layouts, const std::function<QString(int layout, const MainBlockKey&)>& at);

// The character of an X keysym: Latin-1, Unicode, and the legacy Cyrillic
// range; empty for the rest.
QString keysymCharacter(unsigned long keysym);

} // namespace quelmar
