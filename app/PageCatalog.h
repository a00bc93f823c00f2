#pragma once

#include "platform/MenuPages.h"
#include "platform/Services.h"

#include <QList>
#include <QString>

class QWidget;

namespace quelmar {

// The program's pages: creates the window(s) of page, in the order they are
// shown.
QList<QWidget*> openProgramPage(MenuPage page, Services& services);

} // namespace quelmar
