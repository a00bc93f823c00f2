#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

namespace quelmar {

// The picture :/pictures/<name>.png (rendered from our SVG at build time),
// sharp on a screen of the given device pixel ratio: above 1 the rendering at
// twice the size, marked with ratio 2, so it is drawn at its own size in
// device-independent pixels. A missing picture gives a null image.
QImage picture(const QString& name, qreal ratio);

// The same for the highest pixel ratio among the screens the application has.
QImage picture(const QString& name);

// The program's icon, in every size a window manager picks from.
QIcon programIcon();

// Raw bytes of an embedded file, for example "sounds/cue4.wav".
QByteArray assetBytes(const QString& relativePath);

} // namespace quelmar
