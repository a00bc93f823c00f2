#pragma once

#include "pages/SectionTake.h"

namespace quelmar {

// What the sound page holds when it closes, one value per field of
// SoundPage::fields(); default-constructed, the page as it opens.
struct SoundChoices {
    QStringList values;
    SoundChoices();
};

// The page's start from an opened script.
SectionTake<SoundChoices> takeSound(const ScriptSettings& script);

} // namespace quelmar
