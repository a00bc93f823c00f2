#include "binds/DoubleClickLabel.h"

#include <QMouseEvent>

namespace quelmar {

DoubleClickLabel::DoubleClickLabel(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setObjectName(QStringLiteral("Label1_%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
}

void DoubleClickLabel::mousePressEvent(QMouseEvent* event) {
    pressedHere_ = event->button() == Qt::LeftButton;
    event->accept();
}

void DoubleClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (!pressedHere_ || event->button() != Qt::LeftButton)
        return;
    pressedHere_ = false;
    emit doubleClicked(index_);
}

} // namespace quelmar
