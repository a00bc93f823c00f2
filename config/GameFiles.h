#pragma once

#include <QString>
#include <QStringView>

namespace quelmar {

// The scripts the game runs by itself. It runs config.cfg at every start
// and rewrites it at every exit; config.cfg ends with `exec userconfig.cfg`,
// the player's own file that the game never writes; autoexec.cfg runs at
// start as well.
inline constexpr char kGameConfig[] = "config.cfg";
inline constexpr char kUserConfig[] = "userconfig.cfg";
inline constexpr char kAutoexec[] = "autoexec.cfg";
// The file every game folder holds beside them.
inline constexpr char kGameList[] = "liblist.gam";

// The two comment lines the game writes atop its config.cfg.
inline constexpr const char* kGameConfigHeader[] = {
    "// This file is overwritten whenever you change your user settings in the game.",
    "// Add custom configurations to the file \"userconfig.cfg\".",
};

// A file name (no folder) is name, in any case.
inline bool isNamed(QStringView fileName, const char* name) {
    return fileName.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0;
}

// config.cfg, userconfig.cfg or autoexec.cfg: a line to run one would run it
// twice or in a loop.
inline bool isGameOwnScript(QStringView fileName) {
    return isNamed(fileName, kGameConfig) || isNamed(fileName, kUserConfig) ||
           isNamed(fileName, kAutoexec);
}

// config.cfg and userconfig.cfg run each other: an exec of either from a
// script the game runs is a loop, so neither is ever followed or kept.
inline bool isGameLoopScript(QStringView fileName) {
    return isNamed(fileName, kGameConfig) || isNamed(fileName, kUserConfig);
}

} // namespace quelmar
