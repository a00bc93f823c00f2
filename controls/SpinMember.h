#pragma once

#include <QString>
#include <QtGlobal>

namespace quelmar {

// The six spin editors of the settings pages. They are one design; what sets
// them apart is only the row of figures in SpinMember.
enum class SpinKind { UPDW, UPDW0, SEN, Volume, SPEED, SENN };

struct SpinMember {
    QString name;    // UPDW, UPDW0, ...
    qint16 step;     // what one arrow press adds or takes away
    qint16 start;    // Steps when the page loads
    qint16 lower;    // the down arrow stops here
    qint16 limit;    // reaching it warns (or, without a warning, stops the up arrow)
    qint16 reset;    // Steps after the player has closed the warning
    qint16 divisor;  // T = Steps / divisor
    bool percent;    // the box shows Steps followed by "%" instead of T
    int boxWidth;    // pixels
    QString warning; // empty: the member never warns, it stops at its limit
    QString title;
};

const SpinMember& spinMember(SpinKind kind);

} // namespace quelmar
