#include "pages/ListItems.h"

namespace quelmar {

const QStringList& offOnItems() {
    static const QStringList items = {QStringLiteral("Выкл"), QStringLiteral("Вкл")};
    return items;
}

QString position(int index) {
    return QString::number(index);
}

QString firstOr(int index, const QString& atFirst, const QString& otherwise) {
    return index == 0 ? atFirst : otherwise;
}

} // namespace quelmar
