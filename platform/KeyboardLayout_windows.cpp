#include "platform/KeyboardLayout.h"

#include <QList>

#include <windows.h>

namespace quelmar {

QHash<char, QString> ownLayoutLetters() {
    // The layout in use first, then the others the player has.
    const HKL current = GetKeyboardLayout(0);
    QList<HKL> layouts{current};
    const int count = GetKeyboardLayoutList(0, nullptr);
    QList<HKL> all(qMax(count, 0));
    if (count > 0)
        all.resize(qMax(GetKeyboardLayoutList(count, all.data()), 0));
    for (HKL layout : all) {
        if (layout != current)
            layouts.append(layout);
    }
    return ownLettersAmong(int(layouts.size()), [&](int index, const MainBlockKey& key) {
        const HKL layout = layouts[index];
        const UINT vk = MapVirtualKeyExW(UINT(key.scanCode), MAPVK_VSC_TO_VK, layout);
        // The top bit marks a dead key; its character is still the key's.
        const UINT character = vk ? MapVirtualKeyExW(vk, MAPVK_VK_TO_CHAR, layout) & 0xFFFF : 0;
        return character < 0x20 ? QString() : QString(QChar(char16_t(character)));
    });
}

} // namespace quelmar
