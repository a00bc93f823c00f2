#include "app/ConsoleStart.h"

namespace quelmar {

StartRoute startRoute(const ConsoleFacts& facts, qsizetype argumentCount, bool toolMode) {
    // A console shared with anyone else (cmd.exe, a script, a terminal)
    // is one the player reads; only a console whose one process is ours was
    // made for this start. A window program never has one of its own.
    if (facts.consoleProgram && argumentCount == 1 && facts.attachedProcesses == 1)
        return StartRoute::WindowProgram;
    if (!facts.consoleProgram && toolMode && !facts.hasOutput)
        return StartRoute::ConsoleProgramNotice;
    return StartRoute::AsAsked;
}

} // namespace quelmar
