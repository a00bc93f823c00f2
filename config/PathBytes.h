#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quelmar {

// A POSIX file name is any bytes, and a player's may well be CP1251 from a
// Windows archive; a QString holds only text. A name taken from the system
// keeps every byte that is not part of valid UTF-8 as the lone low surrogate
// U+DC80 + byte, which no valid UTF-8 text decodes to, and pathToBytes turns
// it back into exactly that byte: any name survives the trip.
QString pathFromBytes(QByteArrayView bytes);
QByteArray pathToBytes(QStringView path);

// Text fit for a terminal, for every line that carries a file's name or
// text from a file: a kept byte of a name shows as \xNN and so does every
// control character (C0, DEL, C1), so no escape sequence reaches the
// terminal; what is no character (a lone surrogate, U+FFFD for bytes a code
// page could not read) or would turn the text around (bidirectional
// controls) shows as \uNNNN, never as a box or a reordered line.
QString terminalText(QStringView text);
// Each item as terminalText shows it, joined by separator.
QString terminalList(const QStringList& items, QStringView separator = u", ");

} // namespace quelmar
