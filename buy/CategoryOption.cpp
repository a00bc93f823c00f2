#include "buy/CategoryOption.h"

namespace quelmar {

CategoryOption::CategoryOption(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {}

bool CategoryOption::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace quelmar
