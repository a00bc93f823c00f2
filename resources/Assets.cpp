#include "resources/Assets.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace quelmar {

QImage renderPicture(const QString& name, QSize size, bool transparent) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QImage image(size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(transparent ? Qt::transparent : Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QByteArray assetBytes(const QString& relativePath) {
    QFile file(QStringLiteral(":/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quelmar
