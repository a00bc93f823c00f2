#pragma once

#include <QPoint>
#include <Qt>

namespace quelmar {

// What becomes of one wheel event over the command page.
enum class WheelUse {
    Scroll, // nobody listens: the rows scroll as ever
    Drop,   // taken and used for nothing
    Up,     // the listening field gets "MWHEELUP"
    Down,   // the listening field gets "MWHEELDOWN"
};

// Turns the wheel into key names while a field listens, by the first event
// that moves up or down. A finer wheel or a touchpad sends one notch as
// several small events; those that follow the one that named the key are
// dropped until the notch is whole (or, where the platform tells the
// gestures apart, until the gesture has ended), so that a capture does not
// scroll the field away from under the pointer.
class WheelCapture {
  public:
    static constexpr int kNotch = 120; // Qt's angle of one notch

    // listening: whether some key field listens now.
    WheelUse take(bool listening, QPoint angleDelta, bool inverted, Qt::ScrollPhase phase);

  private:
    int direction_ = 0; // of the turn whose rest is dropped; 0 for none
    int rest_ = 0;      // of its notch, for events without a phase
    bool gesture_ = false;
};

} // namespace quelmar
