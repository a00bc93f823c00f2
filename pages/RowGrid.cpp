#include "pages/RowGrid.h"

namespace quelmar {

QList<int> RowGrid::evenRows(int first, int count) {
    QList<int> rows;
    for (int row = 0; row < count; ++row)
        rows << first + 24 * row;
    return rows;
}

} // namespace quelmar
