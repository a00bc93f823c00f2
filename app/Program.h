#pragma once

#include "app/MainMenu.h"

#include <memory>

class QApplication;

namespace quelmar {

class ConfigStream;
class Dialogs;
class SoundCue;

// Start-up in its order: the splash shows itself and waits for the given
// seconds with events running; the main menu loads hidden (the temporary
// script with its preamble); the splash goes, and its going shows the menu.
// Returns the shown menu, or nothing after telling the player why the
// temporary script could not be created (or that another running copy of the
// program is writing it).
std::unique_ptr<MainMenu> startProgram(ConfigStream& config, Dialogs& dialogs, SoundCue& sound,
                                       PageFactory pages, double splashSeconds = 1);

// The whole program: start-up, then the event loop until the menu closes.
// Returns the exit status: 1 when start-up failed or a line of the script
// could not be written.
// script: a file to start the pages from (status 2 when it cannot be read).
int runProgram(QApplication& app, const QString& script = QString());

} // namespace quelmar
