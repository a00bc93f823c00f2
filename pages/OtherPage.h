#pragma once

#include "controls/PageWindow.h"
#include "pages/OtherSection.h"

class QLineEdit;

namespace quelmar {

class ColorEditor;

// SET2, the other-settings page: name, server name, HUD, radar, rate, menu
// style and console colour; opened from "Остальные".
class OtherPage : public PageWindow {
    Q_OBJECT
  public:
    explicit OtherPage(const Services& services, const OtherChoices& start = {},
                       QWidget* parent = nullptr);

    OtherChoices choices() const;

  protected:
    void writeSection(ConfigStream& config) override;

  private:
    void addCaptions();
    QLineEdit* addTextBox(const QString& objectName, const QRect& geometry);

    QLineEdit* name_;
    QLineEdit* hostname_;
    QComboBox* consoleMessages_;
    QComboBox* centerId_;
    SpinEditor* deathNoticeTime_;
    QComboBox* fastSwitch_;
    SpinEditor* sayTextTime_;
    QComboBox* radar_;
    QComboBox* netGraph_;
    QComboBox* autoAim_;
    QComboBox* crosshair_;
    QComboBox* showFps_;
    QComboBox* connection_;
    QComboBox* menuStyle_;
    ColorEditor* color_;
};

} // namespace quelmar
