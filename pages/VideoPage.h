#pragma once

#include "pages/FieldPage.h"
#include "pages/VideoSection.h"

namespace quelmar {

// set3, the video page: gamma, brightness and friends, opened from "Видео".
class VideoPage : public FieldPage {
    Q_OBJECT
  public:
    explicit VideoPage(const Services& services, const VideoChoices& start = {},
                       QWidget* parent = nullptr);

    static QList<PageField> fields();
};

} // namespace quelmar
