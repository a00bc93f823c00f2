#pragma once

#include <QByteArray>
#include <QStringView>

namespace quelmar {

// The script is single-byte text in the Windows-1251 code page, the one our
// Russian-speaking players' game consoles read. Every code point the page
// cannot hold becomes one '?', whatever its length in UTF-16.
QByteArray toWindows1251(QStringView text);

// The inverse, used by tests and tools to read a script back.
QString fromWindows1251(const QByteArray& bytes);

} // namespace quelmar
