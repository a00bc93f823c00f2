#include "resources/Assets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace quelmar {

QImage picture(const QString& name, qreal ratio) {
    const bool sharp = ratio > 1.0;
    QImage image(QStringLiteral(":/pictures/%1%2.png").arg(name, sharp ? "@2x" : ""));
    image.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    return image;
}

QImage picture(const QString& name) {
    return picture(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QIcon programIcon() {
    QIcon icon;
    const QDir pictures(QStringLiteral(":/pictures"));
    for (const QString& file : pictures.entryList({QStringLiteral("icon-*.png")}, QDir::Files))
        icon.addFile(pictures.filePath(file));
    return icon;
}

QByteArray assetBytes(const QString& relativePath) {
    QFile file(QStringLiteral(":/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quelmar
