#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

class QLabel;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace quelmar::buy {

// The picture of an item by its bitmap id: 205 x 65, 24-bit colour, in
// device-independent pixels (twice as many on a high-DPI screen).
QImage itemPicture(int bitmapId);

// The drag pointers: a smiling face where the drop is taken, a frowning one
// everywhere else.
QPixmap smilingCursor();
QPixmap frowningCursor();

// A push button with a coloured face and black "Comic Sans MS" text.
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& text,
                        const QRect& geometry, const QColor& face, double points, bool bold);

// A caption in blue bold "Comic Sans MS" on black.
QLabel* makeBlueLabel(QWidget* parent, const QString& text, const QRect& geometry, double points);

} // namespace quelmar::buy
