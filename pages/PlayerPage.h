#pragma once

#include "pages/FieldPage.h"
#include "pages/PlayerSection.h"

namespace quelmar {

// SET6, the player page: weapon bobbing and hand, observer crosshair and the
// three movement speeds; opened from "Игрока".
class PlayerPage : public FieldPage {
    Q_OBJECT
  public:
    explicit PlayerPage(const Services& services, const PlayerChoices& start = {},
                        QWidget* parent = nullptr);

    static QList<PageField> fields();
};

} // namespace quelmar
