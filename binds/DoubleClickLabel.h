#pragma once

#include <QLabel>

namespace quelmar {

// The double-click target behind a key field (object name "Label1_<i>"). A
// locked field lets the mouse through to it, so a locked field still answers
// a double-click. Only a double-click whose both presses landed here counts:
// when the first press was taken by the listening field in front (and locked
// it), the second one falls through to here and must not start a new capture.
class DoubleClickLabel : public QLabel {
    Q_OBJECT
  public:
    DoubleClickLabel(int index, QWidget* parent);

    int index() const { return index_; }

  signals:
    void doubleClicked(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int index_;
    // A press landed here since the last double-click: the first press of
    // a pair that is wholly ours.
    bool pressedHere_ = false;
};

} // namespace quelmar
