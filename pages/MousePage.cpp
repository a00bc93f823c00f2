#include "pages/MousePage.h"

#include "config/ConfigStream.h"
#include "controls/SpinEditor.h"
#include "pages/ListItems.h"
#include "pages/RowGrid.h"
#include "ui/Look.h"

#include <QComboBox>

namespace quelmar {

namespace {
const RowGrid kGrid{280, {40, 72, 112, 136, 160, 184, 208}, QSize(81, 24), QSize(89, 25)};

// Rows 2 and 7 take two lines; row 2's caption starts above its editor.
QRect twoLineCaption(int y) {
    return QRect(8, y, kGrid.column - 12, 48);
}
} // namespace

MousePage::MousePage(const Services& services, const MouseChoices& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("SET4"), 374, 266, parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки мышки"), QRect(104, 0, 172, 27));
    addDoneButton(QRect(8, 8, 41, 19));

    addCaption(QStringLiteral("Label3"), tr("Чувствительность мышки"), kGrid.captionAt(0));
    addCaption(QStringLiteral("Label2"), tr("Чувствительность мышки в режиме приближения"),
               twoLineCaption(64));
    addCaption(QStringLiteral("Label4"), tr("\"Сглаживание\" движения"), kGrid.captionAt(2));
    addCaption(QStringLiteral("Label5"), tr("Вертикальный реверс"), kGrid.captionAt(3));
    addCaption(QStringLiteral("Label6"), tr("Горизонтальный реверс"), kGrid.captionAt(4));
    addCaption(QStringLiteral("Label7"), tr("Стрейф мышкой"), kGrid.captionAt(5));
    addCaption(QStringLiteral("Label8"), tr("Использовать мышку для кругового обзора"),
               twoLineCaption(208));

    sensitivity_ =
        addSpinEditor(SpinKind::SEN, QStringLiteral("SEN1"), kGrid.editorAt(0), start.sensitivity);
    zoomRatio_ =
        addSpinEditor(SpinKind::SEN, QStringLiteral("SEN2"), kGrid.editorAt(1), start.zoomRatio);
    smoothing_ = addList(QStringLiteral("Combo1"), offOnItems(), kGrid.listAt(2), start.smoothing);
    reversePitch_ =
        addList(QStringLiteral("Combo2"), offOnItems(), kGrid.listAt(3), start.reversePitch);
    reverseYaw_ =
        addList(QStringLiteral("Combo3"), offOnItems(), kGrid.listAt(4), start.reverseYaw);
    strafe_ = addList(QStringLiteral("Combo4"), offOnItems(), kGrid.listAt(5), start.strafe);
    mouseLook_ =
        addList(QStringLiteral("Combo5"), {tr("Нет"), tr("Да")}, kGrid.listAt(6), start.mouseLook);
}

MouseChoices MousePage::choices() const {
    MouseChoices c;
    c.sensitivity = sensitivity_->valueText();
    c.zoomRatio = zoomRatio_->valueText();
    c.smoothing = smoothing_->currentIndex();
    c.reversePitch = reversePitch_->currentIndex();
    c.reverseYaw = reverseYaw_->currentIndex();
    c.strafe = strafe_->currentIndex();
    c.mouseLook = mouseLook_->currentIndex();
    return c;
}

void MousePage::writeSection(ConfigStream& config) {
    config.beginSection(Section::Mouse);
    config.writeLines(mouseSectionLines(choices()));
}

} // namespace quelmar
