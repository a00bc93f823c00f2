#pragma once

#include <QPoint>
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

// Mouse button code: 1 left, 2 right, 4 middle, 8 the fourth button (X11's
// button 8, Windows' XBUTTON1, Qt's back button), 16 the fifth (button 9,
// XBUTTON2, forward); 0 for any other button.
int mouseButtonCode(Qt::MouseButton button);

// The direction of a wheel turn by its angle as Qt delivers it: 1 away from
// the player, -1 towards, 0 for a sideways movement or none. Qt's vertical
// angle is positive for a turn away from the hand, as Windows' own wheel
// message is, which the game reads as MWHEELUP. Where the system turns the
// sign round for "natural scrolling" and says so (inverted), it is turned
// back: the name follows the wheel. Where it turns it round unsaid (a
// Windows touchpad setting, libinput under X) the game gets the same turned
// sign that we do, so the name is still the one the game will see.
int wheelDirection(QPoint angleDelta, bool inverted);

} // namespace quelmar
