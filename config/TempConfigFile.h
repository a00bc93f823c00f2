#pragma once

#include <QString>

namespace quelmar {

class ConfigStream;

// "cfg.cfg" in the temporary folder. With TMPDIR set, that folder is the
// user's choice and the file lies right in it. Without it, the file lies in
// a folder of the user's own inside the system's temporary folder
// (/tmp/quelmar-<uid>, mode 0700), so that users of one machine never share
// or block each other's file. Created or replaced at main-menu load, copied by
// the save command and left behind when the program ends.
class TempConfigFile {
  public:
    enum class Outcome {
        Created,
        AlreadyRunning, // another running copy writes this file; it was not touched
        CreateFailed,   // the folder, lock or file could not be made or opened
        WriteFailed,    // the file was opened but the preamble did not reach it
    };

    static QString folder();
    static QString path();
    static QString lockPath();

    // Takes the lock beside the file, opens stream on a fresh file and writes
    // the alias preamble as one whole line, so the preamble is followed by one
    // empty line. Anything but Created fills error with a reason a player can
    // read.
    static Outcome create(ConfigStream& stream, QString* error = nullptr);

    // Makes folder (mode 0700) or checks that the one standing there is a
    // real folder of this user's, not a link, closing it to everyone else.
    static bool preparePrivateFolder(const QString& folder, QString* error = nullptr);
};

} // namespace quelmar
