#include "pages/VideoPage.h"

#include "config/ConfigStream.h"
#include "controls/SpinEditor.h"
#include "pages/ListItems.h"
#include "pages/RowGrid.h"
#include "ui/Look.h"

#include <QComboBox>

namespace quelmar {

namespace {
const RowGrid kGrid{384, RowGrid::evenRows(40, 12), QSize(97, 24), QSize(105, 25)};
} // namespace

VideoPage::VideoPage(const Services& services, const VideoChoices& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("set3"), 494, 345, parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Видео настройки"), QRect(152, 0, 160, 27));
    addDoneButton(QRect(8, 8, 41, 19));

    // The captions are one label array, Label2_0 to Label2_11, one per row.
    const QStringList captions = {
        tr("Гамма"),
        tr("Яркость"),
        tr("Гамма текстур (небо и т.д) "),
        tr("Максимальное кол-во дымовых спрайтов"),
        tr("Макс. отображаемых следов от пуль, крови"),
        tr("Качественная прорисовка моделей"),
        tr("Динамический свет и фонарик"),
        tr("Поддержка ММХ"),
        tr("Реализм дымовых спрайтов"),
        tr("Кровь"),
        tr("Режим 3DFX/NVIDIA"),
        tr("2-ой прицел"),
    };
    for (int row = 0; row < captions.size(); ++row)
        addCaption(QStringLiteral("Label2_%1").arg(row), captions[row], kGrid.captionAt(row));

    gamma_ = addSpinEditor(SpinKind::UPDW, QStringLiteral("UPDW1"), kGrid.editorAt(0), start.gamma);
    brightness_ =
        addSpinEditor(SpinKind::UPDW, QStringLiteral("UPDW2"), kGrid.editorAt(1), start.brightness);
    texGamma_ =
        addSpinEditor(SpinKind::UPDW, QStringLiteral("UPDW3"), kGrid.editorAt(2), start.texGamma);
    smokePuffs_ = addSpinEditor(SpinKind::UPDW0, QStringLiteral("UPDW02"), kGrid.editorAt(3),
                                start.smokePuffs);
    decals_ =
        addSpinEditor(SpinKind::UPDW0, QStringLiteral("UPDW03"), kGrid.editorAt(4), start.decals);
    hiModels_ = addList(QStringLiteral("Combo3"), offOnItems(), kGrid.listAt(5), start.hiModels);
    dynamicLight_ =
        addList(QStringLiteral("Combo4"), offOnItems(), kGrid.listAt(6), start.dynamicLight);
    mmx_ = addList(QStringLiteral("Combo5"), offOnItems(), kGrid.listAt(7), start.mmx);
    smokeRealism_ = addList(QStringLiteral("Combo6"), {tr("Высокий"), tr("Средний"), tr("Низкий")},
                            kGrid.listAt(8), start.smokeRealism);
    blood_ = addList(QStringLiteral("Combo7"), offOnItems(), kGrid.listAt(9), start.blood);
    renderer_ =
        addList(QStringLiteral("Combo8"), {QStringLiteral("3DFX"), QStringLiteral("NVIDIA")},
                kGrid.listAt(10), start.renderer);
    secondCrosshair_ = addList(QStringLiteral("Combo1"), {tr("Одинарный"), tr("Двойной")},
                               kGrid.listAt(11), start.secondCrosshair);
}

VideoChoices VideoPage::choices() const {
    VideoChoices c;
    c.gamma = gamma_->valueText();
    c.brightness = brightness_->valueText();
    c.texGamma = texGamma_->valueText();
    c.smokePuffs = smokePuffs_->valueText();
    c.decals = decals_->valueText();
    c.secondCrosshair = secondCrosshair_->currentIndex();
    c.hiModels = hiModels_->currentIndex();
    c.dynamicLight = dynamicLight_->currentIndex();
    c.mmx = mmx_->currentIndex();
    c.smokeRealism = smokeRealism_->currentIndex();
    c.blood = blood_->currentIndex();
    c.renderer = renderer_->currentIndex();
    return c;
}

void VideoPage::writeSection(ConfigStream& config) {
    config.beginSection(Section::Video);
    config.writeLines(videoSectionLines(choices()));
}

} // namespace quelmar
