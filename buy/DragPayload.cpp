#include "buy/DragPayload.h"

#include "config/BuyAliases.h"

#include <QMimeData>

namespace quelmar {

namespace {
const QString kPlainText = QStringLiteral("text/plain");
}

QMimeData* DragPayload::toMimeData() const {
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setImageData(picture);
    return mime;
}

std::optional<DragPayload> DragPayload::from(const QMimeData* mime) {
    // Only real plain text counts: a list of file links also reads as text,
    // but it is no drag text.
    if (!mime || !mime->hasFormat(kPlainText) || !mime->hasImage())
        return std::nullopt;
    const QImage picture = qvariant_cast<QImage>(mime->imageData());
    if (picture.isNull())
        return std::nullopt;
    // Text and picture may also come from another program; only an item's
    // own drag text goes into a bind line, so stray text (a line break, a
    // quote) can never break the script.
    if (!isDragText(mime->text()))
        return std::nullopt;
    return DragPayload{mime->text(), picture};
}

} // namespace quelmar
