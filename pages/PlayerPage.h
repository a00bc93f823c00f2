#pragma once

#include "controls/PageWindow.h"
#include "pages/PlayerSection.h"

namespace quelmar {

// SET6, the player page: weapon bobbing and hand, observer crosshair and the
// three movement speeds; opened from "Игрока".
class PlayerPage : public PageWindow {
    Q_OBJECT
  public:
    explicit PlayerPage(const Services& services, const PlayerChoices& start = {},
                        QWidget* parent = nullptr);

    PlayerChoices choices() const;

  protected:
    void writeSection(ConfigStream& config) override;

  private:
    QComboBox* bobbing_;
    QComboBox* rightHand_;
    QComboBox* observerCrosshair_;
    SpinEditor* backSpeed_;
    SpinEditor* forwardSpeed_;
    SpinEditor* sideSpeed_;
};

} // namespace quelmar
