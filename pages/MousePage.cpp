#include "pages/MousePage.h"

#include "ui/Look.h"

namespace quelmar {

namespace {
const RowGrid kGrid{280, {40, 72, 112, 136, 160, 184, 208}, QSize(81, 24), QSize(89, 25)};

// Rows 2 and 7 take two lines; row 2's caption starts above its editor.
QRect twoLineCaption(int y) {
    return QRect(8, y, kGrid.column - 12, 48);
}
} // namespace

QList<PageField> MousePage::fields() {
    using F = PageField;
    const QStringList offOn = offOnItems();
    // A reversed axis is the same factor with its sign turned.
    const QStringList axis = {"0.022", "-0.022"};
    return {
        F::spinner("SEN1", 0, {"Label3", tr("Чувствительность мышки")}, SpinKind::SEN,
                   "sensitivity"),
        F::spinner(
            "SEN2", 1,
            {"Label2", tr("Чувствительность мышки в режиме приближения"), twoLineCaption(64)},
            SpinKind::SEN, "zoom_sensitivity_ratio"),
        F::list("Combo1", 2, {"Label4", tr("\"Сглаживание\" движения")}, offOn, 1, {"m_filter"}),
        F::list("Combo2", 3, {"Label5", tr("Вертикальный реверс")}, offOn, 1, {"m_pitch"}, axis),
        F::list("Combo3", 4, {"Label6", tr("Горизонтальный реверс")}, offOn, 0, {"m_yaw"}, axis),
        F::list("Combo4", 5, {"Label7", tr("Стрейф мышкой")}, offOn, 0, {"lookstrafe"}),
        F::list("Combo5", 6,
                {"Label8", tr("Использовать мышку для кругового обзора"), twoLineCaption(208)},
                {tr("Нет"), tr("Да")}, 1, {}, {"-mlook", "+mlook"}),
        F::line("m_forward", "1"),
        F::line("m_side", "0.8"),
        F::line("lookspring", "0"),
        F::line("default_fov", "110"),
    };
}

MouseChoices::MouseChoices() : values(startValues(MousePage::fields())) {}

SectionTake<MouseChoices> takeMouse(const ScriptSettings& script) {
    return takeSection<MouseChoices>(MousePage::fields(), script);
}

MousePage::MousePage(const Services& services, const MouseChoices& start, QWidget* parent)
    : FieldPage(services, QStringLiteral("SET4"), 374, 266, Section::Mouse, fields(), parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки мышки"), QRect(104, 0, 172, 27));
    addDoneButton(QRect(8, 8, 41, 19));
    addFields(kGrid, start.values);
}

} // namespace quelmar
