#include "controls/ColorValue.h"

namespace quelmar {

namespace {
constexpr qint16 kStep = 5;
constexpr qint16 kTop = 255;
} // namespace

void ColorValue::up(Component c) {
    c_[c] = c_[c] < kTop ? qint16(c_[c] + kStep) : kTop;
}

void ColorValue::down(Component c) {
    c_[c] = c_[c] > 0 ? qint16(c_[c] - kStep) : qint16(0);
}

} // namespace quelmar
