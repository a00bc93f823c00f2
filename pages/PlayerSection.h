#pragma once

#include "pages/SectionTake.h"

namespace quelmar {

// What the player page holds when it closes, one value per field of
// PlayerPage::fields(); default-constructed, the page as it opens.
struct PlayerChoices {
    QStringList values;
    PlayerChoices();
};

// The page's start from an opened script.
SectionTake<PlayerChoices> takePlayer(const ScriptSettings& script);

} // namespace quelmar
