#pragma once

#include "pages/SectionTake.h"

namespace quelmar {

// What the mouse page holds when it closes, one value per field of
// MousePage::fields(); default-constructed, the page as it opens.
struct MouseChoices {
    QStringList values;
    MouseChoices();
};

// The page's start from an opened script.
SectionTake<MouseChoices> takeMouse(const ScriptSettings& script);

} // namespace quelmar
