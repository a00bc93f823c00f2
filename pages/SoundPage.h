#pragma once

#include "pages/FieldPage.h"
#include "pages/SoundSection.h"

namespace quelmar {

// SET5, the sound page: volumes, sound quality, 3D effects; opened from
// "Аудио".
class SoundPage : public FieldPage {
    Q_OBJECT
  public:
    explicit SoundPage(const Services& services, const SoundChoices& start = {},
                       QWidget* parent = nullptr);

    static QList<PageField> fields();
};

} // namespace quelmar
