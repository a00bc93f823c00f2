#include "app/MenuEntry.h"

#include "ui/Look.h"

#include <QMouseEvent>

namespace quelmar {

MenuEntry::MenuEntry(const QString& objectName, const QString& caption, const QRect& geometry,
                     const QColor& color, double points, bool bold, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(objectName);
    setGeometry(geometry);
    setFont(look::comicFont(points, bold));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setColors(this, color, look::kBlack);
    setCursor(Qt::PointingHandCursor);
    look::fitText(this, {caption});
}

void MenuEntry::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void MenuEntry::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && isEnabled())
        emit clicked();
}

} // namespace quelmar
