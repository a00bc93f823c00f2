#include "buy/BuyLook.h"

#include "platform/Look.h"
#include "resources/Assets.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quelmar::buy {

QImage itemPicture(int bitmapId) {
    return renderPicture(QStringLiteral("items/%1").arg(bitmapId), kPictureSize)
        .convertToFormat(QImage::Format_RGB888);
}

namespace {
QPixmap cursorPicture(const char* name) {
    return QPixmap::fromImage(
        renderPicture(QStringLiteral("cursors/") + QLatin1String(name), QSize(32, 32), true));
}
} // namespace

QPixmap smilingCursor() {
    return cursorPicture("smile");
}

QPixmap frowningCursor() {
    return cursorPicture("frown");
}

void placeOnScreen(QWidget* window, QPoint clientTopLeft) {
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        origin = screen->availableGeometry().topLeft();
    window->move(origin + clientTopLeft);
}

void styleButton(QAbstractButton* button, const QColor& face, double points, bool bold) {
    button->setFont(look::comicFont(points, bold));
    look::setColors(button, look::kBlack, face);
}

} // namespace quelmar::buy
