#include "controls/NumberText.h"

#include <cstdlib>

namespace quelmar {

namespace {
// Digits after the point for a divisor that is a power of ten.
int fractionDigits(int divisor) {
    int digits = 0;
    for (int d = divisor; d > 1; d /= 10)
        ++digits;
    return digits;
}
} // namespace

QString numberText(int steps, int divisor) {
    if (divisor <= 1)
        return QString::number(steps);
    const int magnitude = std::abs(steps);
    QString text = QString::number(magnitude / divisor);
    QString fraction = QString::number(magnitude % divisor)
                           .rightJustified(fractionDigits(divisor), QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    if (steps < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

} // namespace quelmar
