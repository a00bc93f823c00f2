#pragma once

#include "controls/PageWindow.h"
#include "pages/MouseSection.h"

namespace quelmar {

// SET4, the mouse page: sensitivity, reverse axes, mouse look; opened from
// "Мышки".
class MousePage : public PageWindow {
    Q_OBJECT
  public:
    explicit MousePage(const Services& services, const MouseChoices& start = {},
                       QWidget* parent = nullptr);

    MouseChoices choices() const;

  protected:
    void writeSection(ConfigStream& config) override;

  private:
    SpinEditor* sensitivity_;
    SpinEditor* zoomRatio_;
    QComboBox* smoothing_;
    QComboBox* reversePitch_;
    QComboBox* reverseYaw_;
    QComboBox* strafe_;
    QComboBox* mouseLook_;
};

} // namespace quelmar
