#pragma once

#include <QString>
#include <Qt>

namespace quelmar {

// Where a key event's native codes come from on the running platform.
enum class NativeKeys {
    None,       // no usable native code: go by Qt's key and its keypad flag
    XkbKeycode, // X11 and Wayland: the native scan code is the evdev keycode + 8
    WindowsVk,  // Windows: the native virtual key already is the code we want
};

NativeKeys nativeKeysForPlatform(const QString& platformName);

// What a key event tells about its key, taken apart so that the mapping can
// be tried without a window system.
struct KeyStroke {
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
    int key = 0; // a Qt::Key
    Qt::KeyboardModifiers modifiers;
};

// The Windows virtual-key code of a key press, by the physical key where the
// platform says which one it was, so that the active keyboard layout and
// Shift never change a name. 0 when the key is not known.
int virtualKeyOf(const KeyStroke& stroke, NativeKeys native);

// By the X keyboard keycode alone. The keypad keys have two codes each;
// which one is meant is read from Qt's key, which already honours Num Lock.
int virtualKeyFromXkbKeycode(quint32 keycode, int qtKey);

// By Qt's key where nothing native is known (synthetic events, unknown
// platforms). Shifted symbols of a US keyboard give their unshifted key.
int virtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// Mouse button code: 1 left, 2 right, 4 middle; 0 for any other button.
int mouseButtonCode(Qt::MouseButton button);

} // namespace quelmar
