#pragma once

#include "ui/Services.h"

#include <QList>
#include <QRect>

#include <span>

class QWidget;

namespace quelmar {

// The pages the main menu opens.
enum class MenuPage { Video, Sound, Player, Mouse, Commands, Other, Weapons };

// One entry of the main menu: the page it opens, the entry's object name,
// caption and box inside the menu's Frame1, and how its page is built (its
// windows, in the order they are shown).
struct MenuPageEntry {
    MenuPage page;
    const char* entry;
    const char* caption;
    QRect geometry;
    QList<QWidget*> (*build)(const Services& services);
};

// Top to bottom as the menu shows them.
std::span<const MenuPageEntry> menuPageEntries();

// The entry that opens page.
const MenuPageEntry& menuEntryOf(MenuPage page);

// The program's own windows of page, built from the table.
QList<QWidget*> openProgramPage(MenuPage page, const Services& services);

} // namespace quelmar
