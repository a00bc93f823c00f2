#pragma once

#include "controls/PageWindow.h"
#include "pages/SoundSection.h"

namespace quelmar {

// SET5, the sound page: volumes, sound quality, 3D effects; opened from
// "Аудио".
class SoundPage : public PageWindow {
    Q_OBJECT
  public:
    explicit SoundPage(const Services& services, const SoundChoices& start = {},
                       QWidget* parent = nullptr);

    SoundChoices choices() const;

  protected:
    void writeSection(ConfigStream& config) override;

  private:
    SpinEditor* volume_;
    SpinEditor* cdVolume_;
    QComboBox* highQuality_;
    QComboBox* sound16Bit_;
    QComboBox* effects3d_;
    QComboBox* voice_;
};

} // namespace quelmar
