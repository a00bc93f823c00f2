#pragma once

#include <QString>

namespace quelmar {

class ConfigStream;

// "cfg.cfg" in the system temporary folder (QDir::tempPath(), so TMPDIR
// decides). Created or replaced at main-menu load, copied by the save
// command and left behind when the program ends.
class TempConfigFile {
  public:
    static QString path();

    // Opens stream on a fresh file and writes the alias preamble as one whole
    // line, so the preamble is followed by one empty line. On failure returns
    // false and fills error with a reason a player can read.
    static bool create(ConfigStream& stream, QString* error = nullptr);
};

} // namespace quelmar
