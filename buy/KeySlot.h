#pragma once

#include "buy/DragPayload.h"

#include <QFrame>
#include <QImage>

namespace quelmar {

// One slot of the key window ("Key_<index>"): a grey box that shows a
// dropped item's picture inside a two-pixel border. It only reports drops
// and clicks; the key window decides what they do.
class KeySlot : public QFrame {
    Q_OBJECT
  public:
    KeySlot(int index, QWidget* parent);

    int index() const { return index_; }
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

  signals:
    void dropped(int index, const DragPayload& payload);
    void clicked(int index);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Takes a move of a whole payload while enabled; anything else is
    // refused, which the catalogue shows with its frowning pointer.
    bool offerAcceptable(QDropEvent* event) const;
    // Accepts the offer as a move, or refuses it; true when accepted.
    bool takeIfAcceptable(QDropEvent* event) const;

    int index_;
    QImage picture_;
    bool pressed_ = false;
};

} // namespace quelmar
