#pragma once

#include "platform/Services.h"

#include <QList>
#include <QString>

class QWidget;

namespace quelmar {

// The program's pages by main-menu entry: creates the window(s) behind
// entry, in the order they are shown. An entry without a page gives none.
QList<QWidget*> openProgramPage(const QString& entry, Services& services);

} // namespace quelmar
