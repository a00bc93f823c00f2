#pragma once

#include "config/GameFiles.h"
#include "config/SaveCopy.h"
#include "config/Wording.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quelmar {

// Making the game run a saved script at every start. The game runs its own
// config.cfg at start and rewrites it at every exit; config.cfg ends with
// `exec userconfig.cfg`, so userconfig.cfg is the player's file that the
// game runs at every start and never writes. One `exec NAME` line there
// hooks the script in, and config.cfg itself is never touched.

// Why the console could not run a file of this name with `exec`.
enum class ExecNameProblem {
    None,
    Empty,
    Control,   // a control character
    NotAscii,  // its bytes on disk and in the console's reading could differ
    Path,      // a folder part: / \ : or ..
    Tilde,     // the console takes a name holding ~ for a bad path
    Semicolon, // would end the command
    Quote,     // would end the quoted name
    NotCfg,    // the console runs .cfg files only
};
ExecNameProblem execNameProblem(QStringView fileName);
// Why the console cannot run such a name, in a few words.
QString execNameText(ExecNameProblem problem, const Wording& wording = Wording::player());

// Whether text (a userconfig.cfg) runs the script name when the console
// reads it: a command `exec NAME` of its own, outside a comment, `exec`
// and the name in any ASCII case, the name quoted or not. A name with a
// blank counts only quoted: `exec` takes exactly one word.
bool runsScript(QByteArrayView text, const QString& name);

// The line that runs name, without its line end: quoted when the name holds
// a byte that would split it into several words.
QByteArray execLine(const QString& name);

// text (the bytes of userconfig.cfg, empty when there is none) with the
// line that runs name added at its end. Every old byte stays; a file whose
// last line has no line end gets one first. Line ends are CR LF, or LF
// alone in a file that holds LF and never CR LF, as its editor wrote it.
QByteArray hookedText(const QByteArray& text, const QString& name);

// Whether the player's folder is the game's, where the game looks for
// scripts: the one the look-up of the game's folder found (empty for none),
// or any folder holding liblist.gam (every mod folder of the game has one,
// and a folder the player copied or installed by hand has it too) or the
// game's config.cfg. Names match in any case.
bool isGameFolder(const QString& folder, const QString& foundGameFolder);

struct HookResult {
    enum class Outcome {
        AlreadyThere, // userconfig.cfg runs the script already; not written
        Added,        // the line was added (the file made if missing)
        Failed,       // saved says why; userconfig.cfg as saved.outcome says
        // The console would not read userconfig.cfg to its end, so a line
        // there would never run: the file holds a NUL byte (one saved as
        // UTF-16, say) or is past the input limit. Not written.
        CutShort,
        // The script runs config.cfg or userconfig.cfg itself: run from
        // userconfig.cfg, the two would run each other for ever. Not written.
        Loop,
    };
    Outcome outcome = Outcome::Failed;
    SaveResult saved;
    // userconfig.cfg was a symbolic link: it is now a file of its own.
    bool replacedLink = false;
};

// Adds the line that runs name (a runnable name, no folder part) to
// userconfig.cfg in folder, unless the file runs it already. The file is
// read through a link, the way the game reads it, and written as the
// script is saved (saveScript): whole or not at all. A symbolic link at
// userconfig.cfg is replaced by a file with the bytes it led to plus the
// line, never written through: a link planted by another user must not
// steer the write, and the file it led to stays as it was.
// Whether the script name in folder runs config.cfg or userconfig.cfg,
// itself or through the files it runs, as the console follows its exec lines.
bool runsGameScripts(const QString& folder, const QString& name);

HookResult installHook(const QString& folder, const QString& name, const FileCalls& calls = {});

} // namespace quelmar
