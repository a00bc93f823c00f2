#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quelmar {

// Renders the SVG picture :/pictures/<name>.svg into an image of the given
// size (RGB32, or ARGB32 when transparent is set). A picture that cannot be
// read gives a null image.
QImage renderPicture(const QString& name, QSize size, bool transparent = false);

// Raw bytes of an embedded file, for example "sounds/cue4.wav".
QByteArray assetBytes(const QString& relativePath);

} // namespace quelmar
