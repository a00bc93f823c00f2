#include "platform/KeyboardLayout.h"

#include <QGuiApplication>
#include <QList>

#include <X11/XKBlib.h>

namespace quelmar {

QHash<char, QString> ownLayoutLetters() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    // Asked afresh: the layouts may have changed since the program started.
    XkbDescPtr keyboard = XkbGetMap(display, XkbAllClientInfoMask, XkbUseCoreKbd);
    if (!keyboard)
        return {};
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    // The group in use first, then the others in their order.
    QList<int> groups{state.group};
    for (int group = 0; group < XkbNumKbdGroups; ++group) {
        if (group != state.group)
            groups.append(group);
    }
    QHash<char, QString> letters =
        ownLettersAmong(int(groups.size()), [&](int layout, const MainBlockKey& key) {
            // X's key codes on a PC keyboard are its scan codes plus 8.
            const KeyCode code = KeyCode(key.scanCode + 8);
            if (code < keyboard->min_key_code || code > keyboard->max_key_code ||
                groups[layout] >= XkbKeyNumGroups(keyboard, code))
                return QString();
            return keysymCharacter(XkbKeySymEntry(keyboard, code, 0, groups[layout]));
        });
    XkbFreeKeyboard(keyboard, 0, True);
    return letters;
}

} // namespace quelmar
