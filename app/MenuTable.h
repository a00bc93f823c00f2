#pragma once

#include "binds/CommandPage.h"
#include "config/ConfigLines.h"
#include "pages/MouseSection.h"
#include "pages/OtherSection.h"
#include "pages/PlayerSection.h"
#include "pages/SoundSection.h"
#include "pages/VideoSection.h"
#include "ui/Services.h"

#include <QList>
#include <QRect>

#include <span>

class QWidget;

namespace quelmar {

// The pages the main menu opens.
enum class MenuPage { Video, Sound, Player, Mouse, Commands, Other, Weapons };

// What each page starts from. Default-constructed, every page as it opens
// with no script.
struct PageStarts {
    VideoChoices video;
    MouseChoices mouse;
    SoundChoices sound;
    PlayerChoices player;
    OtherChoices other;
    CommandStart commands;
    QStringList buyRecords;
};

// One entry of the main menu: the page it opens and the section it writes,
// the entry's object name,
// caption and box inside the menu's Frame1, and how its page is built (its
// windows, in the order they are shown).
struct MenuPageEntry {
    MenuPage page;
    Section section;
    const char* entry;
    const char* caption; // as written; shown in the player's language
    QRect geometry;
    QList<QWidget*> (*build)(const Services& services, const PageStarts& starts);
};

// Top to bottom as the menu shows them.
std::span<const MenuPageEntry> menuPageEntries();

// The entry that opens page.
const MenuPageEntry& menuEntryOf(MenuPage page);

// The section page writes.
inline Section sectionOf(MenuPage page) {
    return menuEntryOf(page).section;
}

// The program's own windows of page, built from the table.
QList<QWidget*> openProgramPage(MenuPage page, const Services& services,
                                const PageStarts& starts = {});

} // namespace quelmar
