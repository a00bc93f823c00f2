#include "pages/PlayerPage.h"

#include "ui/Look.h"

namespace quelmar {

namespace {
const RowGrid kGrid{384, RowGrid::evenRows(48, 6), QSize(81, 24), QSize(89, 25)};
} // namespace

QList<PageField> PlayerPage::fields() {
    using F = PageField;
    const QStringList offOn = offOnItems();
    return {
        F::list("Combo1", 0, {"Label4", tr("Покачивание оружия при движении")}, offOn, 1,
                {"cl_bob"}, {"0", "0.01"}),
        F::line("cl_bobup", "0.5"),
        F::line("cl_bobcycle", "0.8"),
        // Forward, back, side: the game's order, not the page's.
        F::spinner("SPEED2", 4, {"Label2", tr("Скорость передвижения игрока вперед")},
                   SpinKind::SPEED, "cl_forwardspeed"),
        F::spinner("SPEED1", 3, {"Label3", tr("Скорость передвижения игрока назад")},
                   SpinKind::SPEED, "cl_backspeed"),
        F::spinner("SPEED3", 5, {"Label6", tr("Скорость смешения игрока влево и вправо")},
                   SpinKind::SPEED, "cl_sidespeed"),
        F::list("Combo3", 1, {"Label8", tr("Рука для оружия")}, {tr("Левая"), tr("Правая")}, 1,
                {"cl_righthand"}),
        F::list("Combo2", 2, {"Label5", tr("Показ прицела в режиме Observer")}, offOn, 0,
                {"cl_observercrosshair"}),
    };
}

PlayerChoices::PlayerChoices() : values(startValues(PlayerPage::fields())) {}

SectionTake<PlayerChoices> takePlayer(const ScriptSettings& script) {
    return takeSection<PlayerChoices>(PlayerPage::fields(), script);
}

PlayerPage::PlayerPage(const Services& services, const PlayerChoices& start, QWidget* parent)
    : FieldPage(services, QStringLiteral("SET6"), 478, 202, Section::Player, fields(), parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки игрока"), QRect(144, 0, 169, 27));
    addDoneButton(QRect(8, 8, 41, 19));
    addFields(kGrid, start.values);
}

} // namespace quelmar
