#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quelmar {

class ConfigStream;
class Dialogs;
class SoundCue;

// What a page is handed when it is built: the program-wide objects, which
// outlive every page, and the way back to whoever opened the page. A page
// calls handBack exactly once, when it closes (by Done or any other way),
// after its section is written.
struct Services {
    ConfigStream& config;
    Dialogs& dialogs;
    SoundCue& sound;
    std::function<void()> handBack;
    // Shows, modal over the window, what every key does in the script as a
    // save would write it now, the page's own fields as they stand included.
    std::function<void(QWidget* over)> keyMap = {};
    // What the rest of the script (the pages closed before this one, the
    // opened script's kept lines, the program's own lines) already has the
    // key of that name do, in words ("F1: покупка AK-47 (закупка
    // оружия)"); empty when nothing. The page's own lines do not count.
    std::function<QString(const QString& keyName)> keyHeld = {};
};

} // namespace quelmar
