#pragma once

#include "controls/PageWindow.h"
#include "pages/VideoSection.h"

namespace quelmar {

// set3, the video page: gamma, brightness and friends, opened from "Видео".
class VideoPage : public PageWindow {
    Q_OBJECT
  public:
    explicit VideoPage(const Services& services, const VideoChoices& start = {},
                       QWidget* parent = nullptr);

    VideoChoices choices() const;

  protected:
    void writeSection(ConfigStream& config) override;

  private:
    SpinEditor* gamma_;
    SpinEditor* brightness_;
    SpinEditor* texGamma_;
    SpinEditor* smokePuffs_;
    SpinEditor* decals_;
    QComboBox* secondCrosshair_;
    QComboBox* hiModels_;
    QComboBox* dynamicLight_;
    QComboBox* mmx_;
    QComboBox* smokeRealism_;
    QComboBox* blood_;
    QComboBox* renderer_;
};

} // namespace quelmar
