#include "config/BuyAliases.h"

#include <algorithm>

namespace quelmar {

namespace {

constexpr const char* kDragTexts[kBuyItemCount] = {
    "1-1;", "1-2;", "1-3;", "1-4;", "1-5;", "1-6;", "2-1;", "2-2;", "3-1;",   "3-2;",
    "3-3;", "3-4;", "3-5;", "4-1;", "4-2;", "4-3;", "4-4;", "4-5;", "4-6;",   "4-7;",
    "4-8;", "5-1;", "8-1;", "8-2;", "8-3;", "8-4;", "8-5;", "8-6;", "ammo1;", "ammo2;",
};

} // namespace

std::span<const char* const, kBuyItemCount> buyDragTexts() {
    return kDragTexts;
}

bool isDragText(const QString& text) {
    return std::any_of(std::begin(kDragTexts), std::end(kDragTexts),
                       [&](const char* drag) { return text == QLatin1String(drag); });
}

const QSet<QByteArray>& buyAliasNames() {
    static const QSet<QByteArray> names = [] {
        QSet<QByteArray> set{"reset"};
        for (const char* drag : kDragTexts)
            set.insert(QByteArray(drag).replace(";", ""));
        return set;
    }();
    return names;
}

} // namespace quelmar
