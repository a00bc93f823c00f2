#pragma once

#include "controls/SpinValue.h"
#include "pages/SectionTake.h"

#include <QList>
#include <QStringList>

namespace quelmar {

// One item of the connection list and the rate it stands for.
struct ConnectionRate {
    QString item; // as written; the list shows it in the player's language
    QString rate;
};

// The connection list in its order; the page's Combo9 shows these items.
const QList<ConnectionRate>& connectionRates();

// What the other-settings page holds when it closes; default-constructed,
// the page as it opens.
struct OtherChoices {
    QString name;            // Text1, as typed
    QString hostname;        // Text2, as typed
    int consoleMessages = 0; // Combo1: off, on
    int centerId = 1;        // Combo2: "Снизу", "По центру"
    QString deathNoticeTime = SpinValue(SpinKind::SENN).valueText(); // senn1
    int fastSwitch = 1;                                              // Combo3: off, on
    QString sayTextTime = SpinValue(SpinKind::SENN).valueText();     // SENN2
    int radar = 1;                                                   // Combo4: off, on
    int netGraph = 0;                                                // Combo5: off, on
    int autoAim = 0;                                                 // Combo6: off, on
    int crosshair = 1;                                               // Combo7: off, on
    int showFps = 0;                                                 // Combo8: off, on
    int connection = 7; // Combo9: an index into connectionRates()
    int menuStyle = 0;  // Combo10: "Текстовое", "Графическое"
    int red = 235;      // COLOR1
    int green = 235;
    int blue = 235;
};

// The "Othen Setting" section's lines after its header.
QStringList otherSectionLines(const OtherChoices& choices);

// The page's start from an opened script.
SectionTake<OtherChoices> takeOther(const ScriptSettings& script);

} // namespace quelmar
