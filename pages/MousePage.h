#pragma once

#include "pages/FieldPage.h"
#include "pages/MouseSection.h"

namespace quelmar {

// SET4, the mouse page: sensitivity, reverse axes, mouse look; opened from
// "Мышки".
class MousePage : public FieldPage {
    Q_OBJECT
  public:
    explicit MousePage(const Services& services, const MouseChoices& start = {},
                       QWidget* parent = nullptr);

    static QList<PageField> fields();
};

} // namespace quelmar
