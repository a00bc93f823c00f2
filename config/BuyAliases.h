#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <span>

namespace quelmar {

// What the weapon page hands over for each of its 30 items, Picture1 to
// Picture30: the buy alias and its ";", exactly as a bind of that page runs
// it ("4-1;"). Some name aliases the preamble does not define; they stand
// as they are, since the player may define them in the game.
constexpr int kBuyItemCount = 30;
std::span<const char* const, kBuyItemCount> buyDragTexts();

// Whether text is one of the drag texts.
bool isDragText(const QString& text);

// The aliases a bind of the weapon page calls: every drag text without its
// ';', and the "reset" that ends each list.
const QSet<QByteArray>& buyAliasNames();

} // namespace quelmar
