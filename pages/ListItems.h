#pragma once

#include <QStringList>

namespace quelmar {

// The item lists that several pages share.
QStringList offOnItems(); // "Выкл", "Вкл", in the player's language

// A list's value in the script: the position of its item, counted from 0.
QString position(int index);

// A choice between two values by whether a list stands at its first item.
QString firstOr(int index, const QString& atFirst, const QString& otherwise);

} // namespace quelmar
