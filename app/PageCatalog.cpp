#include "app/PageCatalog.h"

#include "binds/CommandPage.h"

#include <QWidget>

namespace quelmar {

QList<QWidget*> openProgramPage(const QString& entry, Services& services) {
    Q_UNUSED(services);
    // One line per page entry, in menu order.
    Q_UNUSED(entry);
    if (entry == QLatin1String("Command2"))
        return {new CommandPage(services)};
    return {};
}

} // namespace quelmar
