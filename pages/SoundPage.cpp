#include "pages/SoundPage.h"

#include "ui/Look.h"

namespace quelmar {

namespace {
const RowGrid kGrid{328, RowGrid::evenRows(40, 6), QSize(81, 24), QSize(97, 25)};
} // namespace

QList<PageField> SoundPage::fields() {
    using F = PageField;
    const QStringList offOn = offOnItems();
    const PageField distance = F::line("s_distance", "60");
    return {
        F::spinner("Volume1", 0, {"Label3", tr("Громкость")}, SpinKind::Volume, "volume"),
        F::list("Combo1", 2, {"Label2", tr("Высококачетвенный звук")}, offOn, 1, {"hisound"}),
        // "Да" comes first here: wanting 16-bit sound means not loading as 8 bit.
        F::list("Combo2", 3, {"Label4", tr("Высококачетвенный звук [16 bit]")},
                {tr("Да"), tr("Нет")}, 0, {"loadas8bit"}),
        F::spinner("Volume2", 1, {"Label5", tr("Громкость воспроизведения CD-Audio")},
                   SpinKind::Volume, "bgmvolume"),
        F::list("Combo3", 4, {"Label6", tr("3х-мерные эффекты")}, offOn, 0,
                {"s_a3d", "s_eax", "s_geometry"}),
        // The game takes the voice from elsewhere: no line.
        F::list("Combo4", 5, {"Label7", tr("Голосовые сообщения")}, offOn, 1, {}),
        distance,
        F::line("_snd_mixahead", "0.1"),
        distance, // the game's own scripts set it twice as well
        F::line("s_automin_distance", "2"),
        F::line("s_automax_distance", "30"),
        F::line("s_min_distance", "8"),
        F::line("s_max_distance", "1000"),
    };
}

SoundChoices::SoundChoices() : values(startValues(SoundPage::fields())) {}

SectionTake<SoundChoices> takeSound(const ScriptSettings& script) {
    return takeSection<SoundChoices>(SoundPage::fields(), script);
}

SoundPage::SoundPage(const Services& services, const SoundChoices& start, QWidget* parent)
    : FieldPage(services, QStringLiteral("SET5"), 422, 194, Section::Sound, fields(), parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Настройки звука"), QRect(104, 0, 156, 27));
    addDoneButton(QRect(8, 8, 41, 19));
    addFields(kGrid, start.values);
}

} // namespace quelmar
