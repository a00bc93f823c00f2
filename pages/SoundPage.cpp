#include "pages/SoundPage.h"

#include "config/ConfigStream.h"
#include "controls/SpinEditor.h"
#include "pages/ListItems.h"
#include "pages/RowGrid.h"
#include "ui/Look.h"

#include <QComboBox>

namespace quelmar {

namespace {
const RowGrid kGrid{328, RowGrid::evenRows(40, 6), QSize(81, 24), QSize(97, 25)};
} // namespace

SoundPage::SoundPage(const Services& services, const SoundChoices& start, QWidget* parent)
    : PageWindow(services, QStringLiteral("SET5"), 422, 194, parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки звука"), QRect(104, 0, 156, 27));
    addDoneButton(QRect(8, 8, 41, 19));

    const QList<std::pair<QString, QString>> captions = {
        {QStringLiteral("Label3"), tr("Громкость")},
        {QStringLiteral("Label5"), tr("Громкость воспроизведения CD-Audio")},
        {QStringLiteral("Label2"), tr("Высококачетвенный звук")},
        {QStringLiteral("Label4"), tr("Высококачетвенный звук [16 bit]")},
        {QStringLiteral("Label6"), tr("3х-мерные эффекты")},
        {QStringLiteral("Label7"), tr("Голосовые сообщения")},
    };
    for (int row = 0; row < captions.size(); ++row)
        addCaption(captions[row].first, captions[row].second, kGrid.captionAt(row));

    volume_ =
        addSpinEditor(SpinKind::Volume, QStringLiteral("Volume1"), kGrid.editorAt(0), start.volume);
    cdVolume_ = addSpinEditor(SpinKind::Volume, QStringLiteral("Volume2"), kGrid.editorAt(1),
                              start.cdVolume);
    highQuality_ =
        addList(QStringLiteral("Combo1"), offOnItems(), kGrid.listAt(2), start.highQuality);
    // "Да" comes first here: wanting 16-bit sound means not loading as 8 bit.
    sound16Bit_ =
        addList(QStringLiteral("Combo2"), {tr("Да"), tr("Нет")}, kGrid.listAt(3), start.sound16Bit);
    effects3d_ = addList(QStringLiteral("Combo3"), offOnItems(), kGrid.listAt(4), start.effects3d);
    voice_ = addList(QStringLiteral("Combo4"), offOnItems(), kGrid.listAt(5), start.voice);
}

SoundChoices SoundPage::choices() const {
    SoundChoices c;
    c.volume = volume_->valueText();
    c.cdVolume = cdVolume_->valueText();
    c.highQuality = highQuality_->currentIndex();
    c.sound16Bit = sound16Bit_->currentIndex();
    c.effects3d = effects3d_->currentIndex();
    c.voice = voice_->currentIndex();
    return c;
}

void SoundPage::writeSection(ConfigStream& config) {
    config.beginSection(Section::Sound);
    config.writeLines(soundSectionLines(choices()));
}

} // namespace quelmar
