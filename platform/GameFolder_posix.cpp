#include "platform/GameFolder.h"

#include <QDir>
#include <QProcess>

namespace quelmar {

QStringList steamRoots(const QString& home) {
    if (home.isEmpty())
        return {};
    const QDir dir(home);
    return {
        dir.filePath(QStringLiteral(".steam/steam")),
        dir.filePath(QStringLiteral(".local/share/Steam")),
        dir.filePath(QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam")),
        dir.filePath(QStringLiteral("snap/steam/common/.local/share/Steam")),
    };
}

QList<InstalledProgram> installedPrograms() {
    // Linux has no register of what was installed where outside the
    // package manager, and the game does not come from it.
    return {};
}

void prepareWindowlessChild(QProcess&) {
    // Nothing on screen tells of a process being started here.
}

} // namespace quelmar
