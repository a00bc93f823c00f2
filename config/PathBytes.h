#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quelmar {

// A POSIX file name is any bytes, and a player's may well be CP1251 from a
// Windows archive; a QString holds only text. A name taken from the system
// keeps every byte that is not part of valid UTF-8 as the lone low surrogate
// U+DC80 + byte, which no valid UTF-8 text decodes to, and pathToBytes turns
// it back into exactly that byte: any name survives the trip.
QString pathFromBytes(QByteArrayView bytes);
QByteArray pathToBytes(QStringView path);

// A name fit for a terminal: a kept byte shows as \xNN and so does every
// control character, so no escape sequence in a name reaches the terminal.
QString shownPath(QStringView path);

} // namespace quelmar
