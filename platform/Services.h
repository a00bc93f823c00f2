#pragma once

namespace quelmar {

class ConfigStream;
class Dialogs;
class MainMenuLink;
class SoundCue;

// The program-wide objects a page is handed when the main menu opens it.
// All of them outlive every page.
struct Services {
    ConfigStream& config;
    Dialogs& dialogs;
    SoundCue& sound;
    MainMenuLink& menu;
};

} // namespace quelmar
