#include "app/MenuTable.h"

#include "binds/CommandPage.h"
#include "buy/BuyPage.h"
#include "pages/MousePage.h"
#include "pages/OtherPage.h"
#include "pages/PlayerPage.h"
#include "pages/SoundPage.h"
#include "pages/VideoPage.h"

#include <QWidget>

namespace quelmar {

namespace {

template <typename Page> QList<QWidget*> one(const Services& services) {
    return {new Page(services)};
}

constexpr MenuPageEntry kEntries[] = {
    {MenuPage::Video, "Command5", "Видео", QRect(40, 32, 46, 23), one<VideoPage>},
    {MenuPage::Sound, "Command7", "Аудио", QRect(37, 56, 49, 23), one<SoundPage>},
    {MenuPage::Player, "Command8", "Игрока", QRect(40, 80, 54, 23), one<PlayerPage>},
    {MenuPage::Mouse, "Command6", "Мышки", QRect(40, 104, 58, 23), one<MousePage>},
    {MenuPage::Commands, "Command2", "Управление", QRect(40, 128, 90, 23), one<CommandPage>},
    {MenuPage::Other, "Command4", "Остальные", QRect(40, 152, 85, 23), one<OtherPage>},
    {MenuPage::Weapons, "Command1", "Закупка оружия", QRect(40, 176, 122, 23), BuyPage::open},
};

} // namespace

std::span<const MenuPageEntry> menuPageEntries() {
    return kEntries;
}

const MenuPageEntry& menuEntryOf(MenuPage page) {
    for (const MenuPageEntry& e : kEntries) {
        if (e.page == page)
            return e;
    }
    Q_UNREACHABLE();
}

QList<QWidget*> openProgramPage(MenuPage page, const Services& services) {
    return menuEntryOf(page).build(services);
}

} // namespace quelmar
