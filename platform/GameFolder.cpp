#include "platform/GameFolder.h"

#include "platform/KeyValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace quelmar {

namespace {

// Steam's lists are a few kilobytes even with dozens of libraries; anything
// far larger is not one of them.
constexpr qint64 kMaxListSize = 1 << 20;

// Counter-Strike's Steam app id and the folder its manifest names by default.
// Everything here is made per call, never kept in a static: a search hung on
// a network folder may wake while the program ends and destroys its statics.
// Nor does anything here leave a thread-local behind (see GameFolderLookup):
// hence plain text matching rather than regular expressions.
QString appManifest() {
    return QStringLiteral("appmanifest_10.acf");
}

// The entry `name` of `folder` as it is spelt on disk: Steam on Linux keeps
// the case of a library copied from Windows ("SteamApps", "half-life").
// Files are regular files only: a FIFO or a device would block the read.
QString entryIn(const QString& folder, const QString& name, QDir::Filter type) {
    if (folder.isEmpty() || name.isEmpty() || name == u"." || name == u".." ||
        name.contains(u'/') || name.contains(u'\\'))
        return {};
    const QDir dir(folder);
    const QFileInfo exact(dir.filePath(name));
    if (type == QDir::Dirs ? exact.isDir() : exact.isFile())
        return exact.filePath();
    const QStringList entries = dir.entryList(type | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QString folderIn(QString folder, const QStringList& path) {
    for (const QString& name : path)
        folder = entryIn(folder, name, QDir::Dirs);
    return folder;
}

// Hands take every value of the file at path (see parseKeyValues); false
// when there is no such file of a sane size or it does not read whole.
bool readKeyValues(const QString& path,
                   const std::function<void(const QStringList&, const QString&)>& take) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > kMaxListSize)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(kMaxListSize + 1);
    if (file.error() != QFileDevice::NoError || text.size() > kMaxListSize)
        return false;
    return parseKeyValues(text, take);
}

bool isNumber(const QString& text) {
    bool ok = false;
    text.toULongLong(&ok);
    return ok;
}

// Steam writes { "0" { "path" "..." } ... } today; older clients wrote the
// library straight under its number: { "1" "..." }. A relative path (from a
// list copied off Windows, "D:\\Games") names nothing here.
QStringList librariesListedIn(const QString& steamapps) {
    QStringList libraries;
    const auto take = [&libraries](const QStringList& keys, const QString& value) {
        const bool listed =
            keys.size() == 3
                ? isNumber(keys[1]) && keys[2].compare(u"path", Qt::CaseInsensitive) == 0
                : keys.size() == 2 && isNumber(keys[1]);
        if (listed && QDir::isAbsolutePath(value))
            libraries.append(value);
    };
    if (!readKeyValues(entryIn(steamapps, "libraryfolders.vdf", QDir::Files), take))
        return {};
    return libraries;
}

struct Manifest {
    bool installed = false;
    QString installDir = QStringLiteral("Half-Life");
};

// StateFlags is a bit set; 4 means fully installed (an update under way or
// an unfinished download leaves it out).
Manifest manifestIn(const QString& steamapps) {
    Manifest manifest;
    const auto take = [&manifest](const QStringList& keys, const QString& value) {
        if (keys.size() != 2)
            return;
        if (keys[1].compare(u"StateFlags", Qt::CaseInsensitive) == 0)
            manifest.installed = (value.toULongLong() & 4) != 0;
        else if (keys[1].compare(u"installdir", Qt::CaseInsensitive) == 0 && !value.isEmpty())
            manifest.installDir = value;
    };
    if (!readKeyValues(entryIn(steamapps, appManifest(), QDir::Files), take))
        return {};
    return manifest;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isWordCharacter(QChar c) {
    return isAsciiLetter(c) || isAsciiDigit(c) || c == u'_';
}

// "Counter-Strike", "Half Life", "HalfLife", "CS 1.6", "cs1.6" in any
// case; not "CS 1.60" or "Discs 1.6".
bool namesTheGame(const QString& name) {
    const QString lower = name.toLower();
    for (const char* game : {"counter-strike", "counter strike", "counterstrike", "half-life",
                             "half life", "halflife"}) {
        if (lower.contains(QLatin1StringView(game)))
            return true;
    }
    for (const QLatin1StringView cs : {QLatin1StringView("cs1.6"), QLatin1StringView("cs 1.6")}) {
        for (qsizetype at = lower.indexOf(cs); at >= 0; at = lower.indexOf(cs, at + 1)) {
            const qsizetype end = at + cs.size();
            if ((at == 0 || !isWordCharacter(lower[at - 1])) &&
                (end == lower.size() || !isWordCharacter(lower[end])))
                return true;
        }
    }
    return false;
}

// The file a command line or an icon reference starts with: a quoted path,
// or up to the first ".exe", ".ico" or ".dll" ending a word, or the whole
// text less an icon's ",index".
QString leadingFile(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u'"')) {
        const qsizetype end = trimmed.indexOf(u'"', 1);
        return end < 0 ? QString() : trimmed.mid(1, end - 1);
    }
    for (qsizetype dot = trimmed.indexOf(u'.'); dot >= 0; dot = trimmed.indexOf(u'.', dot + 1)) {
        const qsizetype end = dot + 4;
        if (end > trimmed.size())
            break;
        const QStringView extension = QStringView(trimmed).mid(dot, 4);
        const bool file = extension.compare(u".exe", Qt::CaseInsensitive) == 0 ||
                          extension.compare(u".ico", Qt::CaseInsensitive) == 0 ||
                          extension.compare(u".dll", Qt::CaseInsensitive) == 0;
        if (file && (end == trimmed.size() || trimmed[end].isSpace() || trimmed[end] == u','))
            return trimmed.left(end);
    }
    // ",index" or ", -index" at the end.
    qsizetype start = trimmed.size();
    while (start > 0 && isAsciiDigit(trimmed[start - 1]))
        --start;
    if (start == trimmed.size())
        return trimmed;
    if (start > 0 && trimmed[start - 1] == u'-')
        --start;
    while (start > 0 && trimmed[start - 1].isSpace())
        --start;
    return start > 0 && trimmed[start - 1] == u',' ? trimmed.left(start - 1) : trimmed;
}

// A drive's or a network share's path, with forward slashes and no
// trailing one; empty for anything relative.
QString absoluteFolder(QString path) {
    const bool drive = path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == u':' &&
                       (path[2] == u'\\' || path[2] == u'/');
    if (!drive && !path.startsWith(u"\\\\"))
        return {};
    path.replace(u'\\', u'/');
    while (path.size() > 3 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString parentFolder(const QString& file) {
    const QString path = absoluteFolder(file);
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash == 2 ? 3 : slash);
}

} // namespace

QString installFolderOf(const InstalledProgram& program) {
    if (!namesTheGame(program.displayName))
        return {};
    QString location = program.installLocation.trimmed();
    if (location.size() > 1 && location.startsWith(u'"') && location.endsWith(u'"'))
        location = location.mid(1, location.size() - 2);
    if (QString folder = absoluteFolder(location); !folder.isEmpty())
        return folder;
    if (QString folder = parentFolder(leadingFile(program.displayIcon)); !folder.isEmpty())
        return folder;
    return parentFolder(leadingFile(program.uninstallString));
}

QString findGameFolder(const QStringList& roots, const QList<InstalledProgram>& programs) {
    // ~/.steam/steam is usually a link to one of the others: each library
    // once, by its real path.
    QStringList libraries;
    for (const QString& root : roots) {
        const QString steamapps = entryIn(root, "steamapps", QDir::Dirs);
        for (const QString& library : QStringList{root} + librariesListedIn(steamapps)) {
            const QString real = QFileInfo(library).canonicalFilePath();
            if (!real.isEmpty() && !libraries.contains(real))
                libraries.append(real);
        }
    }
    QString leftover;
    for (const QString& library : libraries) {
        const QString steamapps = entryIn(library, "steamapps", QDir::Dirs);
        const Manifest manifest = manifestIn(steamapps);
        const QString game = folderIn(steamapps, {"common", manifest.installDir, "cstrike"});
        if (game.isEmpty())
            continue;
        if (manifest.installed)
            return game;
        if (leftover.isEmpty())
            leftover = game;
    }
    // Steam's own uninstall entry names the Half-Life folder too; other
    // games with a "cstrike" folder (Counter-Strike: Source) have no hl.exe.
    for (const InstalledProgram& program : programs) {
        const QString folder = installFolderOf(program);
        const QString game = entryIn(folder, QStringLiteral("cstrike"), QDir::Dirs);
        if (!game.isEmpty() && !entryIn(folder, QStringLiteral("hl.exe"), QDir::Files).isEmpty())
            return game;
    }
    return leftover;
}

} // namespace quelmar
