#pragma once

#include "controls/SpinValue.h"
#include "pages/SectionTake.h"

#include <QStringList>

namespace quelmar {

// What the video page holds when it closes: the editors' value texts and the
// lists' positions. Default-constructed, it is the page as it opens.
struct VideoChoices {
    QString gamma = SpinValue(SpinKind::UPDW).valueText();       // UPDW1
    QString brightness = SpinValue(SpinKind::UPDW).valueText();  // UPDW2
    QString texGamma = SpinValue(SpinKind::UPDW).valueText();    // UPDW3
    QString smokePuffs = SpinValue(SpinKind::UPDW0).valueText(); // UPDW02
    QString decals = SpinValue(SpinKind::UPDW0).valueText();     // UPDW03
    int secondCrosshair = 0; // Combo1: "Одинарный", "Двойной"
    int hiModels = 1;        // Combo3: off, on
    int dynamicLight = 1;    // Combo4: off, on
    int mmx = 1;             // Combo5: off, on
    int smokeRealism = 0;    // Combo6: "Высокий", "Средний", "Низкий"
    int blood = 1;           // Combo7: off, on
    int renderer = 1;        // Combo8: "3DFX", "NVIDIA"
};

// The "Video Setting" section's lines after its header.
QStringList videoSectionLines(const VideoChoices& choices);

// The page's start from an opened script.
SectionTake<VideoChoices> takeVideo(const ScriptSettings& script);

} // namespace quelmar
