#pragma once

#include "controls/SpinMember.h"

#include <QString>

#include <QtGlobal>
#include <optional>

namespace quelmar {

// The state of one spin editor: the step counter Steps and the value T the
// page reads from it. The arrows are the only way in.
//
// An up press that reaches the member's limit leaves Steps at the limit and
// reports that the warning is due; the editor shows it and calls
// warningClosed() once the player has dismissed it, which applies the reset.
// While the warning stands, further presses are ignored: the box is modal,
// so they can only come from a repeat already on its way.
class SpinValue {
  public:
    explicit SpinValue(SpinKind kind);
    // Starting at the value a script gave, when the editor can hold it.
    SpinValue(SpinKind kind, const QString& startText);

    // The Steps that stand for text: a number on the editor's grid (its
    // step counted from its start), from its lower end up to the last value
    // the arrows reach without a warning. Empty for anything else.
    static std::optional<qint16> stepsOf(SpinKind kind, const QString& text);

    const SpinMember& member() const { return member_; }

    qint16 Steps() const { return steps_; }
    // The published value: Steps, or Steps / 10, or Steps / 100.
    double T() const { return double(steps_) / member_.divisor; }

    // T as the script writes it ("0", "2.5", "0.07", "400").
    QString valueText() const;
    // What the box shows: valueText(), or the percentage for Volume ("7%").
    QString displayText() const;

    // Returns true when this press brought Steps to the limit: the warning
    // is due and warningClosed() must follow.
    bool pressUp();
    void pressDown();
    void warningClosed();

  private:
    const SpinMember& member_;
    qint16 steps_;
    bool warningOpen_ = false;
};

} // namespace quelmar
