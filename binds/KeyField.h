#pragma once

#include <QLabel>

namespace quelmar {

class KeyFieldGroup;

// One key field on screen (object name "Text1_<i>"): shows field i of the
// group in its colours and hands the player's keys, buttons and focus loss
// to the group. It takes no typed text and is not in the tab order; while
// locked it lets the mouse through to the double-click target behind it.
class KeyField : public QLabel {
    Q_OBJECT
  public:
    KeyField(KeyFieldGroup& group, int index, QWidget* parent);

    int index() const { return index_; }

    // Shows the group's current text, colour and lock of this field.
    void refresh();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    KeyFieldGroup& group_;
    int index_;
};

} // namespace quelmar
