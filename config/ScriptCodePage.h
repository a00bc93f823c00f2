#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace quelmar {

// The code page the script's typed text goes out in: the system's ANSI code
// page on Windows (1251 on a Russian Windows), whose console the game shares;
// Windows-1251 elsewhere, the page of our Russian-speaking players. Each
// platform implements this in its own source file, picked by the build. A
// code point the page cannot hold becomes one '?', whatever its length in
// UTF-16.
QByteArray toScriptCodePage(QStringView text);

// The inverse, to show a script's bytes.
QString fromScriptCodePage(const QByteArray& bytes);

} // namespace quelmar
