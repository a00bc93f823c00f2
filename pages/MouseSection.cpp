#include "pages/MouseSection.h"

#include "config/ConfigLines.h"
#include "pages/ListItems.h"

namespace quelmar {

namespace {
// A reversed axis is the same factor with its sign turned.
QString axisFactor(int reverse) {
    return firstOr(reverse, QStringLiteral("0.022"), QStringLiteral("-0.022"));
}
} // namespace

QStringList mouseSectionLines(const MouseChoices& c) {
    return {
        settingLine(QStringLiteral("sensitivity"), c.sensitivity),
        settingLine(QStringLiteral("zoom_sensitivity_ratio"), c.zoomRatio),
        settingLine(QStringLiteral("m_filter"), position(c.smoothing)),
        settingLine(QStringLiteral("m_pitch"), axisFactor(c.reversePitch)),
        settingLine(QStringLiteral("m_yaw"), axisFactor(c.reverseYaw)),
        settingLine(QStringLiteral("lookstrafe"), position(c.strafe)),
        firstOr(c.mouseLook, QStringLiteral("-mlook"), QStringLiteral("+mlook")),
        settingLine(QStringLiteral("m_forward"), QStringLiteral("1")),
        settingLine(QStringLiteral("m_side"), QStringLiteral("0.8")),
        settingLine(QStringLiteral("lookspring"), QStringLiteral("0")),
        settingLine(QStringLiteral("default_fov"), QStringLiteral("110")),
    };
}

SectionTake<MouseChoices> takeMouse(const ScriptSettings& script) {
    using C = MouseChoices;
    using F = ChoiceField<C>;
    static const std::vector<F> fields = {
        F::spinner(&C::sensitivity, SpinKind::SEN),
        F::spinner(&C::zoomRatio, SpinKind::SEN),
        F::list(&C::smoothing, 2),
        F::list(&C::reversePitch, 2),
        F::list(&C::reverseYaw, 2),
        F::list(&C::strafe, 2),
        F::list(&C::mouseLook, 2),
    };
    return takeSection(fields, &mouseSectionLines, script);
}

} // namespace quelmar
