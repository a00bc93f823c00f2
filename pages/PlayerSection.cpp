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

} // namespace quelmar
