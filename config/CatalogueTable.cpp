#include "config/CatalogueTable.h"

namespace quelmar {

namespace {

const BuyCategory kCategories[] = {
    {"Option1", "Pistols", "Frame1"},          {"Option2", "Shotguns", "Frame2"},
    {"Option3", "Sub Machine guns", "Frame3"}, {"Option4", "Rifles", "Frame4"},
    {"Option5", "Machine guns", "Frame5"},     {"Option6", "Equipment", "Frame6"},
};

enum Category { Pistols, Shotguns, Smgs, Rifles, MachineGuns, Equipment };
enum Column { Left, Right };

// Some drag texts name aliases the preamble does not define; they are handed
// over as they stand, since the player may define them in the game.
const BuyItem kItems[] = {
    {"Picture1", Pistols, 11, "1-1;", Left, 0},
    {"Picture2", Pistols, 12, "1-2;", Left, 1},
    {"Picture3", Pistols, 13, "1-3;", Left, 2},
    {"Picture4", Pistols, 14, "1-4;", Right, 0},
    {"Picture5", Pistols, 15, "1-5;", Right, 1},
    {"Picture6", Pistols, 16, "1-6;", Right, 2},
    {"Picture7", Shotguns, 21, "2-1;", Left, 0},
    {"Picture8", Shotguns, 22, "2-2;", Left, 1},
    {"Picture9", Smgs, 31, "3-1;", Left, 0},
    {"Picture10", Smgs, 32, "3-2;", Left, 1},
    {"Picture11", Smgs, 33, "3-3;", Left, 2},
    {"Picture12", Smgs, 34, "3-4;", Right, 0},
    {"Picture13", Smgs, 35, "3-5;", Right, 1},
    {"Picture14", Rifles, 41, "4-1;", Left, 0},
    {"Picture15", Rifles, 42, "4-2;", Left, 1},
    {"Picture16", Rifles, 43, "4-3;", Left, 2},
    {"Picture17", Rifles, 44, "4-4;", Left, 3},
    {"Picture18", Rifles, 45, "4-5;", Right, 0},
    {"Picture19", Rifles, 46, "4-6;", Right, 1},
    {"Picture20", Rifles, 47, "4-7;", Right, 2},
    {"Picture21", Rifles, 48, "4-8;", Right, 3},
    {"Picture22", MachineGuns, 51, "5-1;", Left, 0},
    {"Picture23", Equipment, 81, "8-1;", Left, 0},
    {"Picture24", Equipment, 82, "8-2;", Right, 0},
    {"Picture25", Equipment, 83, "8-3;", Left, 1},
    {"Picture26", Equipment, 84, "8-4;", Left, 2},
    {"Picture27", Equipment, 85, "8-5;", Left, 3},
    {"Picture28", Equipment, 86, "8-6;", Right, 1},
    {"Picture29", Equipment, 90, "ammo1;", Right, 2},
    {"Picture30", Equipment, 91, "ammo2;", Right, 3},
};

} // namespace

std::span<const BuyCategory> buyCategories() {
    return kCategories;
}

std::span<const BuyItem> buyItems() {
    return kItems;
}

bool isDragText(const QString& text) {
    for (const BuyItem& item : buyItems()) {
        if (text == QLatin1String(item.dragText))
            return true;
    }
    return false;
}

} // namespace quelmar
