#pragma once

#include <QImage>
#include <QString>

#include <optional>

class QMimeData;

namespace quelmar {

// What one drag from the catalogue carries: the item's drag text as plain
// text and its picture as an image, nothing else.
struct DragPayload {
    QString text;
    QImage picture;

    // A new mime object holding exactly the two parts.
    QMimeData* toMimeData() const;

    // The payload of a drop, or nothing when a part is missing or the text
    // is no item's drag text, as with things dragged in from another program.
    static std::optional<DragPayload> from(const QMimeData* mime);
};

} // namespace quelmar
