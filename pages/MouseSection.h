#pragma once

#include "controls/SpinValue.h"
#include "pages/SectionTake.h"

#include <QStringList>

namespace quelmar {

// What the mouse page holds when it closes; default-constructed, the page as
// it opens.
struct MouseChoices {
    QString sensitivity = SpinValue(SpinKind::SEN).valueText(); // SEN1
    QString zoomRatio = SpinValue(SpinKind::SEN).valueText();   // SEN2
    int smoothing = 1;                                          // Combo1: off, on
    int reversePitch = 1;                                       // Combo2: off, on
    int reverseYaw = 0;                                         // Combo3: off, on
    int strafe = 0;                                             // Combo4: off, on
    int mouseLook = 1;                                          // Combo5: "Нет", "Да"
};

// The "Mouse Setting" section's lines after its header.
QStringList mouseSectionLines(const MouseChoices& choices);

// The page's start from an opened script.
SectionTake<MouseChoices> takeMouse(const ScriptSettings& script);

} // namespace quelmar
