#pragma once

#include <QString>

namespace quelmar {

// The game's "cstrike" folder in one of the Steam libraries under the given
// home folder, or the empty string when there is none. Looks in the native
// and the Flatpak Steam folders and in every library their
// steamapps/libraryfolders.vdf lists; a missing, unreadable or broken list
// only means that its libraries are not searched.
QString findGameFolder(const QString& home);

} // namespace quelmar
