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

template <typename Page, auto member>
QList<QWidget*> one(const Services& services, const PageStarts& starts) {
    return {new Page(services, starts.*member)};
}

QList<QWidget*> weapons(const Services& services, const PageStarts& starts) {
    return BuyPage::open(services, starts.buyRecords);
}

constexpr MenuPageEntry kEntries[] = {
    {MenuPage::Video, Section::Video, "Command5", QT_TRANSLATE_NOOP("MenuTable", "Видео"),
     QRect(40, 32, 46, 23), one<VideoPage, &PageStarts::video>},
    {MenuPage::Sound, Section::Sound, "Command7", QT_TRANSLATE_NOOP("MenuTable", "Аудио"),
     QRect(37, 56, 49, 23), one<SoundPage, &PageStarts::sound>},
    {MenuPage::Player, Section::Player, "Command8", QT_TRANSLATE_NOOP("MenuTable", "Игрока"),
     QRect(40, 80, 54, 23), one<PlayerPage, &PageStarts::player>},
    {MenuPage::Mouse, Section::Mouse, "Command6", QT_TRANSLATE_NOOP("MenuTable", "Мышки"),
     QRect(40, 104, 58, 23), one<MousePage, &PageStarts::mouse>},
    {MenuPage::Commands, Section::Commands, "Command2",
     QT_TRANSLATE_NOOP("MenuTable", "Управление"), QRect(40, 128, 90, 23),
     one<CommandPage, &PageStarts::commands>},
    {MenuPage::Other, Section::Other, "Command4", QT_TRANSLATE_NOOP("MenuTable", "Остальные"),
     QRect(40, 152, 85, 23), one<OtherPage, &PageStarts::other>},
    {MenuPage::Weapons, Section::BuyWeapons, "Command1",
     QT_TRANSLATE_NOOP("MenuTable", "Закупка оружия"), QRect(40, 176, 122, 23), weapons},
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

QList<QWidget*> openProgramPage(MenuPage page, const Services& services, const PageStarts& starts) {
    return menuEntryOf(page).build(services, starts);
}

} // namespace quelmar
