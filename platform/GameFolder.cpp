#include "platform/GameFolder.h"

#include "platform/KeyValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quelmar {

namespace {

const char* const steamRoots[] = {
    ".steam/steam",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
};

bool isNumber(const QString& text) {
    bool ok = false;
    text.toULongLong(&ok);
    return ok;
}

// Steam writes { "0" { "path" "..." } ... } today; older clients wrote the
// library straight under its number: { "1" "..." }.
bool isLibraryPath(const KeyValue& entry) {
    const QStringList& keys = entry.keys;
    if (keys.size() == 3)
        return isNumber(keys[1]) &&
               keys[2].compare(QLatin1String("path"), Qt::CaseInsensitive) == 0;
    return keys.size() == 2 && isNumber(keys[1]);
}

QStringList librariesListedIn(const QString& root) {
    QFile file(root + QLatin1String("/steamapps/libraryfolders.vdf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto entries = parseKeyValues(file.readAll());
    if (!entries || file.error() != QFileDevice::NoError)
        return {};
    QStringList libraries;
    for (const KeyValue& entry : *entries) {
        if (isLibraryPath(entry) && !entry.value.isEmpty())
            libraries.append(entry.value);
    }
    return libraries;
}

} // namespace

QString findGameFolder(const QString& home) {
    if (home.isEmpty())
        return {};
    for (const char* relative : steamRoots) {
        const QString root = QDir(home).filePath(QLatin1String(relative));
        const QStringList libraries = QStringList{root} + librariesListedIn(root);
        for (const QString& library : libraries) {
            const QString game =
                QDir(library).filePath(QStringLiteral("steamapps/common/Half-Life/cstrike"));
            // ~/.steam/steam is usually a link to the real Steam folder:
            // offer the folder itself, as the player would find it.
            const QFileInfo info(game);
            if (info.isDir())
                return info.canonicalFilePath();
        }
    }
    return {};
}

} // namespace quelmar
