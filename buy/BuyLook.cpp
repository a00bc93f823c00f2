#include "buy/BuyLook.h"

#include "resources/Assets.h"
#include "ui/Look.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace quelmar::buy {

QImage itemPicture(int bitmapId) {
    return picture(QStringLiteral("items/%1").arg(bitmapId)).convertToFormat(QImage::Format_RGB888);
}

namespace {
QPixmap cursorPicture(const char* name) {
    return QPixmap::fromImage(picture(QStringLiteral("cursors/") + QLatin1String(name)));
}
} // namespace

QPixmap smilingCursor() {
    return cursorPicture("smile");
}

QPixmap frowningCursor() {
    return cursorPicture("frown");
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& text,
                        const QRect& geometry, const QColor& face, double points, bool bold) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(geometry);
    button->setFont(look::comicFont(points, bold));
    look::setColors(button, look::kBlack, face);
    return button;
}

QLabel* makeBlueLabel(QWidget* parent, const QString& text, const QRect& geometry, double points) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(geometry);
    label->setFont(look::comicFont(points, true));
    look::setColors(label, look::kBlue, look::kBlack);
    return label;
}

} // namespace quelmar::buy
