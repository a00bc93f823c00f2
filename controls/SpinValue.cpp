#include "controls/SpinValue.h"

#include "controls/NumberText.h"

#include <cmath>
#include <cstdlib>

namespace quelmar {

SpinValue::SpinValue(SpinKind kind) : member_(spinMember(kind)), steps_(member_.start) {}

SpinValue::SpinValue(SpinKind kind, const QString& startText)
    : member_(spinMember(kind)), steps_(stepsOf(kind, startText).value_or(member_.start)) {}

std::optional<qint16> SpinValue::stepsOf(SpinKind kind, const QString& text) {
    const SpinMember& m = spinMember(kind);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const double scaled = value * m.divisor;
    const long long steps = std::llround(scaled);
    // "2.5" on a whole-number editor, or a value past either end.
    const qint16 top = m.warning.isEmpty() ? m.limit : qint16(m.limit - 1);
    if (std::abs(scaled - double(steps)) > 1e-6 || steps < m.lower || steps > top ||
        (steps - m.start) % m.step != 0)
        return std::nullopt;
    return qint16(steps);
}

QString SpinValue::valueText() const {
    return numberText(steps_, member_.divisor);
}

QString SpinValue::displayText() const {
    if (member_.percent)
        return QString::number(steps_) + QLatin1Char('%');
    return valueText();
}

bool SpinValue::pressUp() {
    if (warningOpen_)
        return false;
    const bool warns = !member_.warning.isEmpty();
    if (!warns && steps_ >= member_.limit)
        return false; // Volume: stops at 100 % without a word
    steps_ = qint16(steps_ + member_.step);
    warningOpen_ = warns && steps_ == member_.limit;
    return warningOpen_;
}

void SpinValue::pressDown() {
    if (warningOpen_ || steps_ <= member_.lower)
        return;
    steps_ = qint16(steps_ - member_.step);
}

void SpinValue::warningClosed() {
    if (!warningOpen_)
        return;
    warningOpen_ = false;
    steps_ = member_.reset;
}

} // namespace quelmar
