#include "binds/VirtualKeys.h"

#include <array>

namespace quelmar {

namespace {

struct CodePair {
    int from;
    int to;
};

// Keyboard keycodes of the main block and the function keys (evdev + 8) with
// their virtual keys. Letters and digits are laid out as on every PC
// keyboard, whatever symbols the active layout puts on them.
constexpr CodePair kXkbMainBlock[] = {
    {9, 27},   {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'},  {15, '6'}, {16, '7'},
    {17, '8'}, {18, '9'}, {19, '0'}, {20, 189}, {21, 187}, {22, 8},    {23, 9},   {24, 'Q'},
    {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'},  {31, 'I'}, {32, 'O'},
    {33, 'P'}, {34, 219}, {35, 221}, {36, 13},  {37, 17},  {38, 'A'},  {39, 'S'}, {40, 'D'},
    {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'}, {46, 'L'},  {47, 186}, {48, 222},
    {49, 192}, {50, 16},  {51, 220}, {52, 'Z'}, {53, 'X'}, {54, 'C'},  {55, 'V'}, {56, 'B'},
    {57, 'N'}, {58, 'M'}, {59, 188}, {60, 190}, {61, 191}, {62, 16},   {63, 106}, {64, 18},
    {65, 32},  {66, 20},  {67, 112}, {68, 113}, {69, 114}, {70, 115},  {71, 116}, {72, 117},
    {73, 118}, {74, 119}, {75, 120}, {76, 121}, {77, 144}, {78, 145},  {82, 109}, {86, 107},
    {94, 226}, {95, 122}, {96, 123}, {104, 13}, {105, 17}, {106, 111}, {107, 44}, {108, 18},
    {110, 36}, {111, 38}, {112, 33}, {113, 37}, {114, 39}, {115, 35},  {116, 40}, {117, 34},
    {118, 45}, {119, 46}, {127, 19}, {133, 91}, {134, 92}, {135, 93},
};

// Keypad keys that change with Num Lock: keycode, code with Num Lock on,
// code with it off (or with Shift, which turns it round for the moment).
struct KeypadKey {
    int keycode;
    int numeric;
    int navigation;
};

constexpr KeypadKey kXkbKeypad[] = {
    {79, 103, 36}, {80, 104, 38}, {81, 105, 33}, {83, 100, 37}, {84, 101, 12}, {85, 102, 39},
    {87, 97, 35},  {88, 98, 40},  {89, 99, 34},  {90, 96, 45},  {91, 110, 46},
};

bool isNavigationKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Clear:
        return true;
    default:
        return false;
    }
}

template <std::size_t N> int lookUp(const CodePair (&table)[N], int from) {
    for (const CodePair& pair : table) {
        if (pair.from == from)
            return pair.to;
    }
    return 0;
}

// Qt keys that mean the same physical key wherever they come from.
constexpr CodePair kQtCommonKeys[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},  {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},  {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Print, 44},  {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    {Qt::Key_Clear, 12},       {Qt::Key_Meta, 91},   {Qt::Key_Menu, 93},     {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
};

// The keypad's own keys, when Qt flags a key as coming from the keypad.
constexpr CodePair kQtKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},   {Qt::Key_Minus, 109},
    {Qt::Key_Slash, 111},    {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},
};

// Punctuation of the main block, the shifted symbol beside the plain one.
constexpr CodePair kQtMainBlockKeys[] = {
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},     {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},   {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},  {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},    {Qt::Key_ParenRight, '0'},
};

int keypadFromQtKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    if (const int code = lookUp(kQtKeypadKeys, qtKey))
        return code;
    return lookUp(kQtCommonKeys, qtKey);
}

int mainBlockFromQtKey(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (const int code = lookUp(kQtCommonKeys, qtKey))
        return code;
    return lookUp(kQtMainBlockKeys, qtKey);
}

} // namespace

NativeKeys nativeKeysForPlatform(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland")))
        return NativeKeys::XkbKeycode;
    if (platformName == QLatin1String("windows"))
        return NativeKeys::WindowsVk;
    return NativeKeys::None;
}

int virtualKeyFromXkbKeycode(quint32 keycode, int qtKey) {
    for (const KeypadKey& key : kXkbKeypad) {
        if (quint32(key.keycode) == keycode)
            return isNavigationKey(qtKey) ? key.navigation : key.numeric;
    }
    return lookUp(kXkbMainBlock, int(keycode));
}

int virtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier)
        return keypadFromQtKey(qtKey);
    return mainBlockFromQtKey(qtKey);
}

int virtualKeyOf(const KeyStroke& stroke, NativeKeys native) {
    if (native == NativeKeys::XkbKeycode && stroke.nativeScanCode != 0)
        return virtualKeyFromXkbKeycode(stroke.nativeScanCode, stroke.key);
    if (native == NativeKeys::WindowsVk && stroke.nativeVirtualKey > 0 &&
        stroke.nativeVirtualKey < 256)
        return int(stroke.nativeVirtualKey);
    return virtualKeyFromQtKey(stroke.key, stroke.modifiers);
}

int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    case Qt::BackButton:
        return 8;
    case Qt::ForwardButton:
        return 16;
    default:
        return 0;
    }
}

int wheelDirection(QPoint angleDelta, bool inverted) {
    const int y = inverted ? -angleDelta.y() : angleDelta.y();
    return y > 0 ? 1 : y < 0 ? -1 : 0;
}

} // namespace quelmar
