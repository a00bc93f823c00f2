#include "config/StringResources.h"

#include <QFile>

namespace quelmar {

QString stringResource(int id) {
    QFile file(QStringLiteral(":/strings/%1.txt").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

const QString& quote() {
    static const QString q = stringResource(103);
    return q;
}

} // namespace quelmar
