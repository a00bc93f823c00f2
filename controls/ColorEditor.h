#pragma once

#include "controls/ColorValue.h"

#include <QWidget>

class QLineEdit;

namespace quelmar {

class ArrowPair;

// The colour editor: an arrow pair, a display box and a column heading for
// each of red, green and blue, and a swatch of the colour. Inner controls
// carry the editor's name as a prefix (<name>_R, <name>_Text1,
// <name>_Picture1, ...), clear of the page's own names.
class ColorEditor : public QWidget {
    Q_OBJECT
  public:
    ColorEditor(const QString& objectName, QWidget* parent, ColorValue start = {});

    const ColorValue& value() const { return value_; }

    QLineEdit* box(ColorValue::Component c) const { return boxes_[c]; }
    ArrowPair* arrows(ColorValue::Component c) const { return arrows_[c]; }
    QWidget* swatch() const { return swatch_; }

  private:
    void addHeading(const QString& suffix, const QString& text, const QRect& geometry,
                    const QColor& color);
    void addColumn(ColorValue::Component c, const QString& arrowName, const QString& boxName,
                   int arrowX, int boxX);
    void step(ColorValue::Component c, bool up);
    void showComponent(ColorValue::Component c);
    void showSwatch();

    ColorValue value_;
    ArrowPair* arrows_[3] = {};
    QLineEdit* boxes_[3] = {};
    QWidget* swatch_ = nullptr;
};

} // namespace quelmar
