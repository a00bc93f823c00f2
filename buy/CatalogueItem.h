#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

class QDrag;

namespace quelmar {

struct BuyItem;

// One item box of the catalogue: the item's picture in a one-pixel border.
// A press of any mouse button starts a drag of the item at once; the item
// itself never changes, so it can be dragged any number of times.
class CatalogueItem : public QFrame {
    Q_OBJECT
  public:
    CatalogueItem(const BuyItem& item, QWidget* parent);

    const QImage& picture() const { return picture_; }

    // A drag of this item, ready to run: payload, move only, the two faces
    // as pointers. The caller runs it.
    QDrag* makeDrag();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString dragText_;
    QImage picture_;
};

} // namespace quelmar
