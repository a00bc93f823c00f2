#pragma once

#include <QRect>
#include <QString>

namespace quelmar {

// The pages the main menu opens.
enum class MenuPage { Video, Sound, Player, Mouse, Commands, Other, Weapons };

// Which main-menu entry opens which page: the entry's object name (what the
// page hands back to ReturnToMainMenu), its caption and its box in the menu.
struct MenuPageEntry {
    MenuPage page;
    const char* entry;
    const char* caption;
    QRect geometry; // inside the menu's Frame1
};

// Top to bottom as the menu shows them.
inline constexpr MenuPageEntry kMenuPageEntries[] = {
    {MenuPage::Video, "Command5", "Видео", QRect(40, 32, 46, 23)},
    {MenuPage::Sound, "Command7", "Аудио", QRect(37, 56, 49, 23)},
    {MenuPage::Player, "Command8", "Игрока", QRect(40, 80, 54, 23)},
    {MenuPage::Mouse, "Command6", "Мышки", QRect(40, 104, 58, 23)},
    {MenuPage::Commands, "Command2", "Управление", QRect(40, 128, 90, 23)},
    {MenuPage::Other, "Command4", "Остальные", QRect(40, 152, 85, 23)},
    {MenuPage::Weapons, "Command1", "Закупка оружия", QRect(40, 176, 122, 23)},
};

// The object name of the entry that opens page.
inline QString menuEntryOf(MenuPage page) {
    for (const MenuPageEntry& e : kMenuPageEntries) {
        if (e.page == page)
            return QString::fromLatin1(e.entry);
    }
    return {};
}

} // namespace quelmar
