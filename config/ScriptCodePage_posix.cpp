// Away from Windows there is no ANSI code page to follow: the script takes
// the Windows-1251 of the game's Russian-speaking players.
#include "config/ScriptCodePage.h"

#include "config/Cp1251.h"

namespace quelmar {

QByteArray toScriptCodePage(QStringView text) {
    return toWindows1251(text);
}

QString fromScriptCodePage(const QByteArray& bytes) {
    return fromWindows1251(bytes);
}

} // namespace quelmar
