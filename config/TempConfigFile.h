#pragma once

#include "config/FileError.h"
#include "config/FileSystem.h"

#include <QString>

namespace quelmar {

class ConfigStream;

// "cfg.cfg" in the temporary folder (where: scriptPlaces()). Created or
// replaced at main-menu load, copied by the save command and left behind
// when the program ends. A hidden lock file beside it lets one running copy
// at a time write there.
class TempConfigFile {
  public:
    enum class Outcome {
        Created,
        AlreadyRunning, // another running copy writes this file; it was not touched
        CreateFailed,   // the folder, lock or file could not be made or opened
        WriteFailed,    // the file was opened but the preamble did not reach it
    };

    struct Result {
        Outcome outcome = Outcome::CreateFailed;
        FileError error;             // what went wrong; none when Created
        QString path;                // the script's path
        FileError taken;             // why the usual folder was given up (it names the folder)
        bool toldOfFallback = false; // the fallback folder is new: say so, once
    };

    static QString folder(const ScriptPlaces& places = scriptPlaces());
    static QString path(const ScriptPlaces& places = scriptPlaces());
    static QString lockPath(const ScriptPlaces& places = scriptPlaces());

    // Takes the lock beside the file, opens stream on a fresh file and writes
    // the alias preamble as one whole line, so the preamble is followed by one
    // empty line.
    static Result create(ConfigStream& stream, const ScriptPlaces& places = scriptPlaces());
};

} // namespace quelmar
