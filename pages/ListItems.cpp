#include "pages/ListItems.h"

#include <QCoreApplication>

namespace quelmar {

QStringList offOnItems() {
    return {QCoreApplication::translate("Lists", "Выкл"),
            QCoreApplication::translate("Lists", "Вкл")};
}

QString position(int index) {
    return QString::number(index);
}

QString firstOr(int index, const QString& atFirst, const QString& otherwise) {
    return index == 0 ? atFirst : otherwise;
}

} // namespace quelmar
