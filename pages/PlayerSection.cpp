#include "pages/PlayerSection.h"

#include "config/ConfigLines.h"
#include "pages/ListItems.h"

namespace quelmar {

QStringList playerSectionLines(const PlayerChoices& c) {
    return {
        settingLine(QStringLiteral("cl_bob"),
                    firstOr(c.bobbing, QStringLiteral("0"), QStringLiteral("0.01"))),
        settingLine(QStringLiteral("cl_bobup"), QStringLiteral("0.5")),
        settingLine(QStringLiteral("cl_bobcycle"), QStringLiteral("0.8")),
        // Forward, back, side: the game's order, not the page's.
        settingLine(QStringLiteral("cl_forwardspeed"), c.forwardSpeed),
        settingLine(QStringLiteral("cl_backspeed"), c.backSpeed),
        settingLine(QStringLiteral("cl_sidespeed"), c.sideSpeed),
        settingLine(QStringLiteral("cl_righthand"), position(c.rightHand)),
        settingLine(QStringLiteral("cl_observercrosshair"), position(c.observerCrosshair)),
    };
}

SectionTake<PlayerChoices> takePlayer(const ScriptSettings& script) {
    using C = PlayerChoices;
    using F = ChoiceField<C>;
    static const std::vector<F> fields = {
        F::list(&C::bobbing, 2),
        F::list(&C::rightHand, 2),
        F::list(&C::observerCrosshair, 2),
        F::spinner(&C::backSpeed, SpinKind::SPEED),
        F::spinner(&C::forwardSpeed, SpinKind::SPEED),
        F::spinner(&C::sideSpeed, SpinKind::SPEED),
    };
    return takeSection(fields, &playerSectionLines, script);
}

} // namespace quelmar
