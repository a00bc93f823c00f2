#include "app/PageCatalog.h"

#include "binds/CommandPage.h"
#include "buy/BuyPage.h"
#include "pages/MousePage.h"
#include "pages/OtherPage.h"
#include "pages/PlayerPage.h"
#include "pages/SoundPage.h"
#include "pages/VideoPage.h"

#include <QWidget>

namespace quelmar {

QList<QWidget*> openProgramPage(const QString& entry, Services& services) {
    // One line per page entry.
    if (entry == QLatin1String("Command5"))
        return {new VideoPage(services)};
    if (entry == QLatin1String("Command7"))
        return {new SoundPage(services)};
    if (entry == QLatin1String("Command8"))
        return {new PlayerPage(services)};
    if (entry == QLatin1String("Command6"))
        return {new MousePage(services)};
    if (entry == QLatin1String("Command4"))
        return {new OtherPage(services)};
    if (entry == QLatin1String("Command2"))
        return {new CommandPage(services)};
    if (entry == QLatin1String("Command1"))
        return BuyPage::open(services);
    return {};
}

} // namespace quelmar
