#include "buy/CatalogueTable.h"

#include "config/BuyAliases.h"

namespace quelmar {

namespace {

const BuyCategory kCategories[] = {
    {"Option1", "Pistols", "Frame1"},          {"Option2", "Shotguns", "Frame2"},
    {"Option3", "Sub Machine guns", "Frame3"}, {"Option4", "Rifles", "Frame4"},
    {"Option5", "Machine guns", "Frame5"},     {"Option6", "Equipment", "Frame6"},
};

enum Category { Pistols, Shotguns, Smgs, Rifles, MachineGuns, Equipment };
enum Column { Left, Right };

const BuyItem kItems[] = {
    {"Picture1", Pistols, 11, Left, 0},     {"Picture2", Pistols, 12, Left, 1},
    {"Picture3", Pistols, 13, Left, 2},     {"Picture4", Pistols, 14, Right, 0},
    {"Picture5", Pistols, 15, Right, 1},    {"Picture6", Pistols, 16, Right, 2},
    {"Picture7", Shotguns, 21, Left, 0},    {"Picture8", Shotguns, 22, Left, 1},
    {"Picture9", Smgs, 31, Left, 0},        {"Picture10", Smgs, 32, Left, 1},
    {"Picture11", Smgs, 33, Left, 2},       {"Picture12", Smgs, 34, Right, 0},
    {"Picture13", Smgs, 35, Right, 1},      {"Picture14", Rifles, 41, Left, 0},
    {"Picture15", Rifles, 42, Left, 1},     {"Picture16", Rifles, 43, Left, 2},
    {"Picture17", Rifles, 44, Left, 3},     {"Picture18", Rifles, 45, Right, 0},
    {"Picture19", Rifles, 46, Right, 1},    {"Picture20", Rifles, 47, Right, 2},
    {"Picture21", Rifles, 48, Right, 3},    {"Picture22", MachineGuns, 51, Left, 0},
    {"Picture23", Equipment, 81, Left, 0},  {"Picture24", Equipment, 82, Right, 0},
    {"Picture25", Equipment, 83, Left, 1},  {"Picture26", Equipment, 84, Left, 2},
    {"Picture27", Equipment, 85, Left, 3},  {"Picture28", Equipment, 86, Right, 1},
    {"Picture29", Equipment, 90, Right, 2}, {"Picture30", Equipment, 91, Right, 3},
};

static_assert(std::size(kItems) == kBuyItemCount);

} // namespace

std::span<const BuyCategory> buyCategories() {
    return kCategories;
}

std::span<const BuyItem> buyItems() {
    return kItems;
}

QString dragTextOf(const BuyItem& item) {
    return QString::fromLatin1(buyDragTexts()[&item - kItems]);
}

} // namespace quelmar
