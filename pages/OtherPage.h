#pragma once

#include "pages/FieldPage.h"
#include "pages/OtherSection.h"

namespace quelmar {

// SET2, the other-settings page: name, server name, HUD, radar, rate, menu
// style and console colour; opened from "Остальные".
class OtherPage : public FieldPage {
    Q_OBJECT
  public:
    explicit OtherPage(const Services& services, const OtherChoices& start = {},
                       QWidget* parent = nullptr);

    static QList<PageField> fields();
};

} // namespace quelmar
