#include "controls/ValueBox.h"

#include "ui/Look.h"

#include <QLineEdit>

namespace quelmar {

QLineEdit* makeValueBox(QWidget* parent, const QString& objectName, const QRect& geometry,
                        const QFont& font, const QColor& text) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setFont(font);
    // Sunken in the style's own greys, like the drop-down lists beside it.
    look::setColors(box, text, look::kBlack);
    return box;
}

} // namespace quelmar
