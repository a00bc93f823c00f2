#pragma once

#include <QString>

#include <span>

namespace quelmar {

// One category of the catalogue: its option button, caption and item group.
struct BuyCategory {
    const char* optionName; // "Option1"
    const char* caption;    // "Pistols"
    const char* groupName;  // "Frame1"
};

// One buyable thing of the catalogue.
struct BuyItem {
    const char* objectName; // "Picture14"
    int category;           // index into buyCategories()
    int bitmapId;           // ties the item to its picture, items/<id>
    int column;             // 0 left, 1 right
    int row;                // 0 at the top
};

// The six categories, top to bottom as their options stand.
std::span<const BuyCategory> buyCategories();

// The 30 items, Picture1 to Picture30.
std::span<const BuyItem> buyItems();

// What item hands over when dragged (buyDragTexts(), item by item).
QString dragTextOf(const BuyItem& item);

} // namespace quelmar
