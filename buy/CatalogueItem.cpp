#include "buy/CatalogueItem.h"

#include "buy/BuyLook.h"
#include "buy/CatalogueTable.h"
#include "buy/DragPayload.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace quelmar {

namespace {
// Item boxes are one pixel larger than the picture on every side and
// overlap their neighbours by one pixel.
constexpr int kBoxWidth = 207;
constexpr int kBoxHeight = 67;
constexpr int kColumnStep = 206;
constexpr int kRowStep = 66;
} // namespace

CatalogueItem::CatalogueItem(const BuyItem& item, QWidget* parent)
    : QFrame(parent), dragText_(dragTextOf(item)), picture_(buy::itemPicture(item.bitmapId)) {
    setObjectName(QString::fromLatin1(item.objectName));
    setGeometry(item.column * kColumnStep, item.row * kRowStep, kBoxWidth, kBoxHeight);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

QDrag* CatalogueItem::makeDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(DragPayload{dragText_, picture_}.toMimeData());
    // Only a move is offered, so the pointer smiles exactly over a slot
    // that takes the drop and frowns everywhere else.
    const QPixmap frown = buy::frowningCursor();
    drag->setDragCursor(buy::smilingCursor(), Qt::MoveAction);
    drag->setDragCursor(frown, Qt::CopyAction);
    drag->setDragCursor(frown, Qt::LinkAction);
    drag->setDragCursor(frown, Qt::IgnoreAction);
    return drag;
}

void CatalogueItem::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // The drag's own loop restores the default arrow when it ends, however
    // it ends; the outcome does not matter to the catalogue.
    makeDrag()->exec(Qt::MoveAction, Qt::MoveAction);
}

void CatalogueItem::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // The 2x picture on a screen at 1.25 or 1.5 is scaled down: smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

} // namespace quelmar
