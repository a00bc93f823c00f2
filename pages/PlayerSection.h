#pragma once

#include "controls/SpinValue.h"
#include "pages/SectionTake.h"

#include <QStringList>

namespace quelmar {

// What the player page holds when it closes; default-constructed, the page as
// it opens.
struct PlayerChoices {
    int bobbing = 1;           // Combo1: off, on
    int rightHand = 1;         // Combo3: "Левая", "Правая"
    int observerCrosshair = 0; // Combo2: off, on
    QString backSpeed = SpinValue(SpinKind::SPEED).valueText();    // SPEED1
    QString forwardSpeed = SpinValue(SpinKind::SPEED).valueText(); // SPEED2
    QString sideSpeed = SpinValue(SpinKind::SPEED).valueText();    // SPEED3
};

// The "Player Setting" section's lines after its header.
QStringList playerSectionLines(const PlayerChoices& choices);

// The page's start from an opened script.
SectionTake<PlayerChoices> takePlayer(const ScriptSettings& script);

} // namespace quelmar
