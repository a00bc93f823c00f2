#include "controls/ValueBox.h"

#include "platform/Look.h"

#include <QLineEdit>

namespace quelmar {

QLineEdit* makeValueBox(QWidget* parent, const QString& objectName, const QRect& geometry,
                        const QFont& font, const QColor& text) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setFont(font);
    look::setColors(box, text, look::kBlack);
    // The style's own frame takes its colour from the black background and
    // would vanish; this edge does not.
    // A style sheet, once set, paints the whole box, so it carries the
    // colours as well.
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid rgb(96, 96, 96); "
                                      "background: black; color: %1; }")
                           .arg(text.name()));
    return box;
}

} // namespace quelmar
