#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QProcess;

namespace quelmar {

// The folders where this platform's Steam clients keep their own files (the
// native, Flatpak and snap Steam under the given home on Linux), in the
// order they are tried. Only what exists is searched.
QStringList steamRoots(const QString& home);

// What an installer left in the system's list of installed programs, as
// it wrote it (Windows paths, quotes and icon indices included).
struct InstalledProgram {
    QString displayName;
    QString installLocation;
    QString displayIcon;
    QString uninstallString;
};

// The folder an entry of Counter-Strike or Half-Life says it was installed
// in: its install location, else the folder of its icon or its
// uninstaller. Empty for other programs and for entries that name no
// absolute folder.
QString installFolderOf(const InstalledProgram& program);

// The programs this platform's installers have recorded: the uninstall
// entries of the current user and of the machine on Windows, none on Linux.
QList<InstalledProgram> installedPrograms();

// The game's "cstrike" folder in one of the Steam libraries of the given
// Steam folders, or the empty string when there is none. The libraries are
// each Steam folder itself and every absolute path its
// steamapps/libraryfolders.vdf lists; the library whose appmanifest_10.acf
// says the game is fully installed wins over one that merely holds the
// folder. Folder and file names match in any case. Only regular files of a
// sane size are read; a missing, oversized or broken list only means that
// its libraries are not searched. A game installed outside Steam (a folder
// of the given programs holding hl.exe and "cstrike") comes after a fully
// installed Steam game and before a Steam folder the manifest disowns.
QString findGameFolder(const QStringList& steamRoots, const QList<InstalledProgram>& programs = {});

// Readies a process that is to run without a window: on Windows the
// pointer does not turn busy while it starts (it would for two seconds, as
// for any program started without a window of its own to show).
void prepareWindowlessChild(QProcess& process);

} // namespace quelmar
