#include "app/PageCatalog.h"

#include "buy/BuyPage.h"

#include <QWidget>

namespace quelmar {

QList<QWidget*> openProgramPage(const QString& entry, Services& services) {
    Q_UNUSED(services);
    // One line per page entry, in menu order.
    Q_UNUSED(entry);
    if (entry == QLatin1String("Command1"))
        return BuyPage::open(services);
    return {};
}

} // namespace quelmar
