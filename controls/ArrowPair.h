#pragma once

#include <QWidget>

class QToolButton;

namespace quelmar {

// A vertical pair of arrows, the up arrow over the down arrow, filling the
// widget. Each press of an arrow, and each repeat while an arrow is held,
// is one notification. The arrows are named <name>_Up and <name>_Down.
class ArrowPair : public QWidget {
    Q_OBJECT
  public:
    ArrowPair(const QString& objectName, const QRect& geometry, QWidget* parent);

    // Lets go of a held arrow, so that no repeat fires behind a modal box
    // that has taken the mouse away from it.
    void release();

  signals:
    void upPressed();
    void downPressed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeArrows();

    QToolButton* up_;
    QToolButton* down_;
};

} // namespace quelmar
