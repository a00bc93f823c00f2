#include "pages/VideoPage.h"

#include "ui/Look.h"

namespace quelmar {

namespace {
const RowGrid kGrid{384, RowGrid::evenRows(40, 12), QSize(97, 24), QSize(105, 25)};
} // namespace

QList<PageField> VideoPage::fields() {
    using F = PageField;
    const QStringList offOn = offOnItems();
    // The captions are one label array, Label2_0 to Label2_11, one per row.
    return {
        F::spinner("UPDW1", 0, {"Label2_0", tr("Гамма")}, SpinKind::UPDW, "gamma"),
        F::spinner("UPDW2", 1, {"Label2_1", tr("Яркость")}, SpinKind::UPDW, "brightness"),
        F::spinner("UPDW3", 2, {"Label2_2", tr("Гамма текстур (небо и т.д) ")}, SpinKind::UPDW,
                   "texgamma"),
        F::spinner("UPDW02", 3, {"Label2_3", tr("Максимальное кол-во дымовых спрайтов")},
                   SpinKind::UPDW0, "max_smokepuffs"),
        F::spinner("UPDW03", 4, {"Label2_4", tr("Макс. отображаемых следов от пуль, крови")},
                   SpinKind::UPDW0, "r_decals"),
        F::list("Combo1", 11, {"Label2_11", tr("2-ой прицел")}, {tr("Одинарный"), tr("Двойной")}, 0,
                {"gl_spriteblend"}),
        F::list("Combo3", 5, {"Label2_5", tr("Качественная прорисовка моделей")}, offOn, 1,
                {"cl_himodels"}),
        F::list("Combo4", 6, {"Label2_6", tr("Динамический свет и фонарик")}, offOn, 1,
                {"r_dynamic"}),
        F::list("Combo5", 7, {"Label2_7", tr("Поддержка ММХ")}, offOn, 1, {"r_mmx"}),
        F::list("Combo6", 8, {"Label2_8", tr("Реализм дымовых спрайтов")},
                {tr("Высокий"), tr("Средний"), tr("Низкий")}, 0, {"fastsprites"}),
        // One list stands for both kinds of blood.
        F::list("Combo7", 9, {"Label2_9", tr("Кровь")}, offOn, 1,
                {"violence_ablood", "violence_hblood"}),
        F::list("Combo8", 10, {"Label2_10", tr("Режим 3DFX/NVIDIA")}, {"3DFX", "NVIDIA"}, 1,
                {"gl_lightholes"}),
        F::line("max_shells", "0"),
        F::line("fps_max", "99"),
        F::line("violence_hgibs", "1"),
        F::line("violence_agibs", "1"),
        F::line("sv_maxspeed", "320"),
        F::line("viewsize", "120"),
        F::line("gl_round_down", "3"),
        F::line("gl_max_size", "256"),
        F::line("gl_flipmatrix", "0"),
        F::line("mp_decals", "256"),
        F::line("gl_monolights", "0"),
    };
}

VideoChoices::VideoChoices() : values(startValues(VideoPage::fields())) {}

SectionTake<VideoChoices> takeVideo(const ScriptSettings& script) {
    return takeSection<VideoChoices>(VideoPage::fields(), script);
}

VideoPage::VideoPage(const Services& services, const VideoChoices& start, QWidget* parent)
    : FieldPage(services, QStringLiteral("set3"), 494, 345, Section::Video, fields(), parent) {
    addFrame(27, look::kBlue);
    addHeading(tr("Видео настройки"), QRect(152, 0, 160, 27));
    addDoneButton(QRect(8, 8, 41, 19));
    addFields(kGrid, start.values);
}

} // namespace quelmar
