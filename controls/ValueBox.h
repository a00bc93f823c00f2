#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLineEdit;
class QWidget;

namespace quelmar {

// A one-line box in the pages' colours: text on black inside a thin grey
// edge, so that the player can see where it stands on the black page.
QLineEdit* makeValueBox(QWidget* parent, const QString& objectName, const QRect& geometry,
                        const QFont& font, const QColor& text);

} // namespace quelmar
