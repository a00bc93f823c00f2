#pragma once

#include "pages/SectionTake.h"

namespace quelmar {

// What the other-settings page holds when it closes, one value per field of
// OtherPage::fields(); default-constructed, the page as it opens.
struct OtherChoices {
    QStringList values;
    OtherChoices();
};

// The page's start from an opened script.
SectionTake<OtherChoices> takeOther(const ScriptSettings& script);

} // namespace quelmar
