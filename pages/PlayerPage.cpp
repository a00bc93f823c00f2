#include "pages/PlayerPage.h"

#include "config/ConfigStream.h"
#include "controls/SpinEditor.h"
#include "pages/ListItems.h"
#include "pages/RowGrid.h"
#include "ui/Look.h"

#include <QComboBox>

namespace quelmar {

namespace {
const RowGrid kGrid{384, RowGrid::evenRows(48, 6), QSize(81, 24), QSize(89, 25)};
} // namespace

PlayerPage::PlayerPage(const Services& services, const PlayerChoices& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("SET6"), 478, 202, parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки игрока"), QRect(144, 0, 169, 27));
    addDoneButton(QRect(8, 8, 41, 19));

    const QList<std::pair<QString, QString>> captions = {
        {QStringLiteral("Label4"), tr("Покачивание оружия при движении")},
        {QStringLiteral("Label8"), tr("Рука для оружия")},
        {QStringLiteral("Label5"), tr("Показ прицела в режиме Observer")},
        {QStringLiteral("Label3"), tr("Скорость передвижения игрока назад")},
        {QStringLiteral("Label2"), tr("Скорость передвижения игрока вперед")},
        {QStringLiteral("Label6"), tr("Скорость смешения игрока влево и вправо")},
    };
    for (int row = 0; row < captions.size(); ++row)
        addCaption(captions[row].first, captions[row].second, kGrid.captionAt(row));

    bobbing_ = addList(QStringLiteral("Combo1"), offOnItems(), kGrid.listAt(0), start.bobbing);
    rightHand_ = addList(QStringLiteral("Combo3"), {tr("Левая"), tr("Правая")}, kGrid.listAt(1),
                         start.rightHand);
    observerCrosshair_ =
        addList(QStringLiteral("Combo2"), offOnItems(), kGrid.listAt(2), start.observerCrosshair);
    backSpeed_ = addSpinEditor(SpinKind::SPEED, QStringLiteral("SPEED1"), kGrid.editorAt(3),
                               start.backSpeed);
    forwardSpeed_ = addSpinEditor(SpinKind::SPEED, QStringLiteral("SPEED2"), kGrid.editorAt(4),
                                  start.forwardSpeed);
    sideSpeed_ = addSpinEditor(SpinKind::SPEED, QStringLiteral("SPEED3"), kGrid.editorAt(5),
                               start.sideSpeed);
}

PlayerChoices PlayerPage::choices() const {
    PlayerChoices c;
    c.bobbing = bobbing_->currentIndex();
    c.rightHand = rightHand_->currentIndex();
    c.observerCrosshair = observerCrosshair_->currentIndex();
    c.backSpeed = backSpeed_->valueText();
    c.forwardSpeed = forwardSpeed_->valueText();
    c.sideSpeed = sideSpeed_->valueText();
    return c;
}

void PlayerPage::writeSection(ConfigStream& config) {
    config.beginSection(Section::Player);
    config.writeLines(playerSectionLines(choices()));
}

} // namespace quelmar
