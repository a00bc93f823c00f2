#pragma once

#include "pages/SectionTake.h"

namespace quelmar {

// What the video page holds when it closes, one value per field of
// VideoPage::fields(). Default-constructed, it is the page as it opens.
struct VideoChoices {
    QStringList values;
    VideoChoices();
};

// The page's start from an opened script.
SectionTake<VideoChoices> takeVideo(const ScriptSettings& script);

} // namespace quelmar
