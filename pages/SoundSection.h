#pragma once

#include "controls/SpinValue.h"
#include "pages/SectionTake.h"

#include <QStringList>

namespace quelmar {

// What the sound page holds when it closes; default-constructed, the page as
// it opens.
struct SoundChoices {
    QString volume = SpinValue(SpinKind::Volume).valueText();   // Volume1
    QString cdVolume = SpinValue(SpinKind::Volume).valueText(); // Volume2
    int highQuality = 1;                                        // Combo1: off, on
    int sound16Bit = 0;                                         // Combo2: "Да", "Нет"
    int effects3d = 0;                                          // Combo3: off, on
    int voice = 1; // Combo4: off, on; the game takes it from elsewhere, no line
};

// The "Sound Setting" section's lines after its header.
QStringList soundSectionLines(const SoundChoices& choices);

// The page's start from an opened script.
SectionTake<SoundChoices> takeSound(const ScriptSettings& script);

} // namespace quelmar
