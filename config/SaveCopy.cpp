#include "config/SaveCopy.h"

#include <QFile>
#include <QSaveFile>

namespace quelmar {

bool copyScript(const QString& source, const QString& destination, QString* error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();

    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (error)
            *error = out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

} // namespace quelmar
