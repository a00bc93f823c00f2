#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

// The folders where this platform's Steam clients keep their own files (the
// native, Flatpak and snap Steam under the given home on Linux), in the
// order they are tried. Only what exists is searched.
QStringList steamRoots(const QString& home);

// The game's "cstrike" folder in one of the Steam libraries of the given
// Steam folders, or the empty string when there is none. The libraries are
// each Steam folder itself and every absolute path its
// steamapps/libraryfolders.vdf lists; the library whose appmanifest_10.acf
// says the game is fully installed wins over one that merely holds the
// folder. Folder and file names match in any case. Only regular files of a
// sane size are read; a missing, oversized or broken list only means that
// its libraries are not searched.
QString findGameFolder(const QStringList& steamRoots);

} // namespace quelmar
