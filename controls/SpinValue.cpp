#include "controls/SpinValue.h"

#include "controls/NumberText.h"

namespace quelmar {

SpinValue::SpinValue(SpinKind kind) : member_(spinMember(kind)), steps_(member_.start) {}

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
