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

QList<QWidget*> openProgramPage(MenuPage page, Services& services) {
    switch (page) {
    case MenuPage::Video:
        return {new VideoPage(services)};
    case MenuPage::Sound:
        return {new SoundPage(services)};
    case MenuPage::Player:
        return {new PlayerPage(services)};
    case MenuPage::Mouse:
        return {new MousePage(services)};
    case MenuPage::Commands:
        return {new CommandPage(services)};
    case MenuPage::Other:
        return {new OtherPage(services)};
    case MenuPage::Weapons:
        return BuyPage::open(services);
    }
    return {};
}

} // namespace quelmar
