#include "buy/KeySlot.h"

#include "buy/DragPayload.h"
#include "ui/Look.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quelmar {

namespace {
const QColor kSlotGrey(128, 128, 128);
constexpr int kColumnX[] = {8, 220};
constexpr int kFirstY = 48;
constexpr int kRowStep = 72;
constexpr int kRows = 7;
} // namespace

KeySlot::KeySlot(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setObjectName(QStringLiteral("Key_%1").arg(index));
    setGeometry(kColumnX[index / kRows], kFirstY + kRowStep * (index % kRows), 209, 69);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    look::setColors(this, look::kBlack, kSlotGrey);
    setAcceptDrops(true);
}

void KeySlot::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

bool KeySlot::offerAcceptable(QDropEvent* event) const {
    return isEnabled() && (event->possibleActions() & Qt::MoveAction) &&
           DragPayload::from(event->mimeData()).has_value();
}

void KeySlot::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void KeySlot::dragMoveEvent(QDragMoveEvent* event) {
    takeIfAcceptable(event);
}

void KeySlot::dropEvent(QDropEvent* event) {
    if (takeIfAcceptable(event))
        emit dropped(index_, *DragPayload::from(event->mimeData()));
}

bool KeySlot::takeIfAcceptable(QDropEvent* event) const {
    if (!offerAcceptable(event)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    return true;
}

void KeySlot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void KeySlot::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and release both on the slot.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(index_);
}

void KeySlot::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // The 2x picture on a screen at 1.25 or 1.5 is scaled down: smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

} // namespace quelmar
