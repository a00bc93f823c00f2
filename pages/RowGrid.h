#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace quelmar {

// Where a settings page puts its rows: captions at the left from x 8, the
// inputs in one column at the right, one input per row.
struct RowGrid {
    int column;      // x of the inputs
    QList<int> rows; // y of each row's input, top to bottom
    QSize list;      // a drop-down list
    QSize editor;    // a spin editor

    QRect listAt(int row) const { return QRect(QPoint(column, rows.value(row)), list); }
    QRect editorAt(int row) const { return QRect(QPoint(column, rows.value(row)), editor); }
    // A caption of one line beside its input, reaching to just short of the column.
    QRect captionAt(int row) const { return QRect(8, rows.value(row), column - 12, 24); }

    // Rows every 24 pixels from the first.
    static QList<int> evenRows(int first, int count);
};

} // namespace quelmar
