#include "pages/SoundSection.h"

#include "config/ConfigLines.h"
#include "pages/ListItems.h"

namespace quelmar {

QStringList soundSectionLines(const SoundChoices& c) {
    const QString effects = firstOr(c.effects3d, QStringLiteral("0"), QStringLiteral("1"));
    const QString distance = settingLine(QStringLiteral("s_distance"), QStringLiteral("60"));
    return {
        settingLine(QStringLiteral("volume"), c.volume),
        settingLine(QStringLiteral("hisound"), position(c.highQuality)),
        settingLine(QStringLiteral("loadas8bit"), position(c.sound16Bit)),
        settingLine(QStringLiteral("bgmvolume"), c.cdVolume),
        settingLine(QStringLiteral("s_a3d"), effects),
        settingLine(QStringLiteral("s_eax"), effects),
        settingLine(QStringLiteral("s_geometry"), effects),
        distance,
        settingLine(QStringLiteral("_snd_mixahead"), QStringLiteral("0.1")),
        distance, // the game's own scripts set it twice as well
        settingLine(QStringLiteral("s_automin_distance"), QStringLiteral("2")),
        settingLine(QStringLiteral("s_automax_distance"), QStringLiteral("30")),
        settingLine(QStringLiteral("s_min_distance"), QStringLiteral("8")),
        settingLine(QStringLiteral("s_max_distance"), QStringLiteral("1000")),
    };
}

SectionTake<SoundChoices> takeSound(const ScriptSettings& script) {
    using C = SoundChoices;
    using F = ChoiceField<C>;
    static const std::vector<F> fields = {
        F::spinner(&C::volume, SpinKind::Volume),
        F::spinner(&C::cdVolume, SpinKind::Volume),
        F::list(&C::highQuality, 2),
        F::list(&C::sound16Bit, 2),
        F::list(&C::effects3d, 2),
    };
    return takeSection(fields, &soundSectionLines, script);
}

} // namespace quelmar
