#include "pages/VideoSection.h"

#include "config/ConfigLines.h"
#include "pages/ListItems.h"

namespace quelmar {

QStringList videoSectionLines(const VideoChoices& c) {
    return {
        settingLine(QStringLiteral("gamma"), c.gamma),
        settingLine(QStringLiteral("brightness"), c.brightness),
        settingLine(QStringLiteral("texgamma"), c.texGamma),
        settingLine(QStringLiteral("max_smokepuffs"), c.smokePuffs),
        settingLine(QStringLiteral("r_decals"), c.decals),
        settingLine(QStringLiteral("gl_spriteblend"), position(c.secondCrosshair)),
        settingLine(QStringLiteral("cl_himodels"), position(c.hiModels)),
        settingLine(QStringLiteral("r_dynamic"), position(c.dynamicLight)),
        settingLine(QStringLiteral("r_mmx"), position(c.mmx)),
        settingLine(QStringLiteral("fastsprites"), position(c.smokeRealism)),
        // One list stands for both kinds of blood.
        settingLine(QStringLiteral("violence_ablood"), position(c.blood)),
        settingLine(QStringLiteral("violence_hblood"), position(c.blood)),
        settingLine(QStringLiteral("gl_lightholes"), position(c.renderer)),
        settingLine(QStringLiteral("max_shells"), QStringLiteral("0")),
        settingLine(QStringLiteral("fps_max"), QStringLiteral("99")),
        settingLine(QStringLiteral("violence_hgibs"), QStringLiteral("1")),
        settingLine(QStringLiteral("violence_agibs"), QStringLiteral("1")),
        settingLine(QStringLiteral("sv_maxspeed"), QStringLiteral("320")),
        settingLine(QStringLiteral("viewsize"), QStringLiteral("120")),
        settingLine(QStringLiteral("gl_round_down"), QStringLiteral("3")),
        settingLine(QStringLiteral("gl_max_size"), QStringLiteral("256")),
        settingLine(QStringLiteral("gl_flipmatrix"), QStringLiteral("0")),
        settingLine(QStringLiteral("mp_decals"), QStringLiteral("256")),
        settingLine(QStringLiteral("gl_monolights"), QStringLiteral("0")),
    };
}

SectionTake<VideoChoices> takeVideo(const ScriptSettings& script) {
    using C = VideoChoices;
    using F = ChoiceField<C>;
    static const std::vector<F> fields = {
        F::spinner(&C::gamma, SpinKind::UPDW),
        F::spinner(&C::brightness, SpinKind::UPDW),
        F::spinner(&C::texGamma, SpinKind::UPDW),
        F::spinner(&C::smokePuffs, SpinKind::UPDW0),
        F::spinner(&C::decals, SpinKind::UPDW0),
        F::list(&C::hiModels, 2),
        F::list(&C::dynamicLight, 2),
        F::list(&C::mmx, 2),
        F::list(&C::smokeRealism, 3),
        F::list(&C::blood, 2),
        F::list(&C::renderer, 2),
        F::list(&C::secondCrosshair, 2),
    };
    return takeSection(fields, &videoSectionLines, script);
}

} // namespace quelmar
