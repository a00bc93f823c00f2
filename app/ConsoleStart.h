#pragma once

#include "platform/Console.h"

namespace quelmar {

// How a start goes on, given what the program found of its console.
enum class StartRoute {
    AsAsked,
    // The console program double-clicked: its console was made for it
    // alone, and closing that console would end the player's work. The
    // window program is started instead and the console closes at once.
    WindowProgram,
    // The window program asked for what only a console shows (--check,
    // --version …) with nowhere to write it: a message box names the
    // console program.
    ConsoleProgramNotice,
};

// argumentCount counts the program's own path; toolMode: a command-line
// tool (--check, --help …) rather than the window.
StartRoute startRoute(const ConsoleFacts& facts, qsizetype argumentCount, bool toolMode);

} // namespace quelmar
