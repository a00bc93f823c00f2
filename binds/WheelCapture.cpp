#include "binds/WheelCapture.h"

#include "binds/VirtualKeys.h"

#include <cstdlib>

namespace quelmar {

WheelUse WheelCapture::take(bool listening, QPoint angleDelta, bool inverted,
                            Qt::ScrollPhase phase) {
    const int direction = wheelDirection(angleDelta, inverted);
    const int step = std::abs(angleDelta.y());
    if (listening) {
        if (direction == 0)
            return WheelUse::Drop;
        gesture_ = phase != Qt::NoScrollPhase;
        rest_ = kNotch - step;
        direction_ = (gesture_ || rest_ > 0) ? direction : 0;
        return direction > 0 ? WheelUse::Up : WheelUse::Down;
    }
    if (direction_ != 0) {
        // A gesture ends at the next one's start or at an event without a
        // phase; its momentum after the lift belongs to it.
        const bool sameTurn = gesture_ ? phase != Qt::ScrollBegin && phase != Qt::NoScrollPhase
                                       : direction == direction_;
        if (sameTurn) {
            rest_ -= step;
            if (!gesture_ && rest_ <= 0)
                direction_ = 0;
            return WheelUse::Drop;
        }
        direction_ = 0;
    }
    return WheelUse::Scroll;
}

} // namespace quelmar
