// Key names by virtual-key code, and the way Qt's key events reach those
// codes: by the physical key, whatever the layout or Shift says.
#include "binds/KeyNames.h"
#include "binds/VirtualKeys.h"

#include <QHash>
#include <QSet>
#include <QtTest>

using namespace quelmar;

namespace {

// Qt's keys for Russian letters are their upper-case code points.
constexpr int kCyrillicShortI = 0x419; // Й, on the key of Q
constexpr int kCyrillicTse = 0x426;    // Ц, on the key of W
constexpr int kCyrillicHa = 0x425;     // Х, on the key of [
constexpr int kCyrillicEf = 0x424;     // Ф, on the key of A

// The console names, written out key by key.
QHash<int, QString> expectedNames() {
    QHash<int, QString> names{
        {8, "Backup"},     {9, "Tab"},        {13, "Enter"},        {16, "Shift"},
        {17, "Ctrl"},      {18, "Alt"},       {19, "Pause"},        {32, "Space"},
        {33, "Page Up"},   {34, "Page Down"}, {35, "End"},          {36, "Home"},
        {37, "LeftArrow"}, {38, "UpArrow"},   {39, "RightArrow"},   {40, "DownArrow"},
        {45, "Insert"},    {106, "*"},        {107, "+"},           {109, "Num -"},
        {111, "Num /"},    {144, "Num Lock"}, {145, "Scroll Lock"}, {186, ";"},
        {187, "="},        {188, ","},        {189, "-"},           {190, "."},
        {191, "/"},        {192, "`"},        {219, "["},           {220, "\\"},
        {221, "]"},        {222, "'"},        {96, "Num 0"},        {97, "Num 1"},
        {98, "Num 2"},     {99, "Num 3"},     {100, "Num 4"},       {101, "Num 5"},
        {102, "Num 6"},    {103, "Num 7"},    {104, "Num 8"},       {105, "Num 9"},
        {112, "F1"},       {113, "F2"},       {114, "F3"},          {115, "F4"},
        {116, "F5"},       {117, "F6"},       {118, "F7"},          {119, "F8"},
        {120, "F9"},       {121, "F10"},      {122, "F11"},         {123, "F12"},
    };
    const QString digits = QStringLiteral("0123456789");
    for (int i = 0; i < digits.size(); ++i)
        names.insert(48 + i, digits.mid(i, 1));
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    for (int i = 0; i < letters.size(); ++i)
        names.insert(65 + i, letters.mid(i, 1));
    return names;
}

QString nameOf(const KeyStroke& stroke, NativeKeys native) {
    return keyName(virtualKeyOf(stroke, native));
}

} // namespace

class TestKeyNames : public QObject {
    Q_OBJECT

  private slots:
    void everyCodeThroughTheTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        const QHash<int, QString> names = expectedNames();
        QCOMPARE(names.size(), 92);
        for (int code = 0; code <= 255; ++code)
            QTest::addRow("%d", code) << code << names.value(code);
        for (int code : {-1, 256, 321, 65536 + 65, 0xFFFF})
            QTest::addRow("outside %d", code) << code << QString();
    }
    void everyCodeThroughTheTable() {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(keyName(code), name);
    }

    void keysWithoutANameGiveNothing() {
        for (int code : {27, 20, 110, 46, 44, 91, 92, 12, 226})
            QVERIFY2(keyName(code).isEmpty(), qPrintable(QString::number(code)));
    }

    void mouseButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << 1 << "Mouse1";
        QTest::newRow("right") << 2 << "Mouse2";
        QTest::newRow("middle") << 4 << "Mouse3";
        for (int button : {0, 3, 5, 8, 16, -1})
            QTest::addRow("other %d", button) << button << QString();
    }
    void mouseButtons() {
        QFETCH(int, button);
        QFETCH(QString, name);
        QCOMPARE(mouseButtonName(button), name);
    }

    void vocabularyHas95DistinctNames() {
        QSet<QString> all;
        for (int code = 0; code <= 255; ++code)
            all.insert(keyName(code));
        for (int button : {1, 2, 4})
            all.insert(mouseButtonName(button));
        all.remove(QString());
        QCOMPARE(all.size(), 95);
    }

    void qtMouseButtonsToCodes() {
        QCOMPARE(mouseButtonCode(Qt::LeftButton), 1);
        QCOMPARE(mouseButtonCode(Qt::RightButton), 2);
        QCOMPARE(mouseButtonCode(Qt::MiddleButton), 4);
        QCOMPARE(mouseButtonCode(Qt::BackButton), 0);
        QCOMPARE(mouseButtonCode(Qt::NoButton), 0);
    }

    // X keycodes as an X server with an evdev keyboard sends them; the Qt key
    // beside each is what the active layout (and Num Lock) made of it. In
    // turn: letters under other layouts, the main block, both Enters, left
    // and right modifiers, function and navigation keys, keys without a name,
    // the keypad with Num Lock on, then off.
    void byXKeycode_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("name");
        // clang-format off
        const struct {
            int keycode;
            int qtKey;
            const char* name;
        } cases[] = {
            {24, kCyrillicShortI, "q"}, {25, kCyrillicTse, "w"}, {29, Qt::Key_Z, "y"},
            {34, kCyrillicHa, "["}, {10, Qt::Key_Exclam, "1"}, {19, Qt::Key_0, "0"},
            {20, Qt::Key_Minus, "-"}, {21, Qt::Key_Equal, "="}, {22, Qt::Key_Backspace, "Backup"},
            {23, Qt::Key_Tab, "Tab"}, {47, Qt::Key_Semicolon, ";"}, {48, Qt::Key_Apostrophe, "'"},
            {49, Qt::Key_QuoteLeft, "`"}, {51, Qt::Key_Backslash, "\\"}, {61, Qt::Key_Slash, "/"},
            {65, Qt::Key_Space, "Space"}, {36, Qt::Key_Return, "Enter"},
            {104, Qt::Key_Enter, "Enter"}, {37, Qt::Key_Control, "Ctrl"},
            {105, Qt::Key_Control, "Ctrl"}, {50, Qt::Key_Shift, "Shift"},
            {62, Qt::Key_Shift, "Shift"}, {64, Qt::Key_Alt, "Alt"}, {108, Qt::Key_AltGr, "Alt"},
            {67, Qt::Key_F1, "F1"}, {76, Qt::Key_F10, "F10"}, {95, Qt::Key_F11, "F11"},
            {96, Qt::Key_F12, "F12"}, {77, Qt::Key_NumLock, "Num Lock"},
            {78, Qt::Key_ScrollLock, "Scroll Lock"}, {127, Qt::Key_Pause, "Pause"},
            {110, Qt::Key_Home, "Home"}, {115, Qt::Key_End, "End"},
            {112, Qt::Key_PageUp, "Page Up"}, {117, Qt::Key_PageDown, "Page Down"},
            {113, Qt::Key_Left, "LeftArrow"}, {111, Qt::Key_Up, "UpArrow"},
            {114, Qt::Key_Right, "RightArrow"}, {116, Qt::Key_Down, "DownArrow"},
            {118, Qt::Key_Insert, "Insert"}, {9, Qt::Key_Escape, ""}, {66, Qt::Key_CapsLock, ""},
            {119, Qt::Key_Delete, ""}, {107, Qt::Key_Print, ""}, {133, Qt::Key_Meta, ""},
            {94, Qt::Key_Less, ""}, {0, 0, ""}, {255, 0, ""}, {700, 0, ""},
            {90, Qt::Key_0, "Num 0"}, {87, Qt::Key_1, "Num 1"}, {88, Qt::Key_2, "Num 2"},
            {89, Qt::Key_3, "Num 3"}, {83, Qt::Key_4, "Num 4"}, {84, Qt::Key_5, "Num 5"},
            {85, Qt::Key_6, "Num 6"}, {79, Qt::Key_7, "Num 7"}, {80, Qt::Key_8, "Num 8"},
            {81, Qt::Key_9, "Num 9"}, {63, Qt::Key_Asterisk, "*"}, {86, Qt::Key_Plus, "+"},
            {82, Qt::Key_Minus, "Num -"}, {106, Qt::Key_Slash, "Num /"}, {91, Qt::Key_Period, ""},
            {91, Qt::Key_Comma, ""}, {79, Qt::Key_Home, "Home"}, {80, Qt::Key_Up, "UpArrow"},
            {81, Qt::Key_PageUp, "Page Up"}, {84, Qt::Key_Clear, ""},
            {90, Qt::Key_Insert, "Insert"}, {91, Qt::Key_Delete, ""},
        };
        // clang-format on
        for (const auto& c : cases)
            QTest::addRow("keycode %d, Qt key 0x%x", c.keycode, c.qtKey)
                << c.keycode << c.qtKey << QString::fromUtf8(c.name);
    }
    void byXKeycode() {
        QFETCH(int, keycode);
        QFETCH(int, qtKey);
        QFETCH(QString, name);
        const KeyStroke stroke{quint32(keycode), 0, qtKey, Qt::NoModifier};
        QCOMPARE(nameOf(stroke, NativeKeys::XkbKeycode), name);
    }

    void shiftNeverChangesAName() {
        for (int keycode = 0; keycode < 256; ++keycode) {
            const KeyStroke plain{quint32(keycode), 0, 0, Qt::NoModifier};
            const KeyStroke shifted{quint32(keycode), 0, 0, Qt::ShiftModifier};
            QCOMPARE(nameOf(shifted, NativeKeys::XkbKeycode),
                     nameOf(plain, NativeKeys::XkbKeycode));
        }
    }

    // Synthetic events carry no native code: Qt's key and keypad flag decide.
    // Shifted symbols of a US keyboard give their unshifted key, and the
    // keypad stands apart from the main block.
    void byQtKey_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("name");
        // clang-format off
        const struct {
            int qtKey;
            bool keypad;
            const char* name;
        } cases[] = {
            {Qt::Key_Q, false, "q"}, {Qt::Key_7, false, "7"}, {Qt::Key_F12, false, "F12"},
            {Qt::Key_Exclam, false, "1"}, {Qt::Key_Asterisk, false, "8"},
            {Qt::Key_ParenRight, false, "0"}, {Qt::Key_Plus, false, "="},
            {Qt::Key_Underscore, false, "-"}, {Qt::Key_Colon, false, ";"},
            {Qt::Key_QuoteDbl, false, "'"}, {Qt::Key_AsciiTilde, false, "`"},
            {Qt::Key_Bar, false, "\\"}, {Qt::Key_BraceRight, false, "]"},
            {Qt::Key_Backtab, false, "Tab"}, {Qt::Key_AltGr, false, "Alt"},
            {Qt::Key_Return, false, "Enter"}, {Qt::Key_Enter, true, "Enter"},
            {Qt::Key_5, true, "Num 5"}, {Qt::Key_Asterisk, true, "*"}, {Qt::Key_Plus, true, "+"},
            {Qt::Key_Minus, true, "Num -"}, {Qt::Key_Minus, false, "-"},
            {Qt::Key_Slash, true, "Num /"}, {Qt::Key_Slash, false, "/"}, {Qt::Key_Period, true, ""},
            {Qt::Key_Period, false, "."}, {Qt::Key_Home, true, "Home"}, {Qt::Key_Clear, true, ""},
            {Qt::Key_F13, false, ""}, {Qt::Key_Escape, false, ""}, {Qt::Key_Delete, false, ""},
            {kCyrillicEf, false, ""}, {Qt::Key_unknown, false, ""}, {0, false, ""},
        };
        // clang-format on
        for (const auto& c : cases)
            QTest::addRow("Qt key 0x%x%s", c.qtKey, c.keypad ? " on the keypad" : "")
                << c.qtKey << c.keypad << QString::fromUtf8(c.name);
    }
    void byQtKey() {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(QString, name);
        const Qt::KeyboardModifiers mods = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QCOMPARE(nameOf(KeyStroke{0, 0, qtKey, mods}, NativeKeys::None), name);
        // An X server that sent no keycode (a synthetic event) is read the same way.
        QCOMPARE(nameOf(KeyStroke{0, 0, qtKey, mods}, NativeKeys::XkbKeycode), name);
        QCOMPARE(nameOf(KeyStroke{0, 0, qtKey, mods | Qt::ShiftModifier}, NativeKeys::None), name);
    }

    void windowsVirtualKeysPassStraightThrough() {
        QCOMPARE(nameOf(KeyStroke{30, 65, kCyrillicEf, {}}, NativeKeys::WindowsVk),
                 QStringLiteral("a"));
        QCOMPARE(
            nameOf(KeyStroke{0, 13, int(Qt::Key_Enter), Qt::KeypadModifier}, NativeKeys::WindowsVk),
            QStringLiteral("Enter"));
        // Without a usable virtual key, Qt's key decides.
        QCOMPARE(nameOf(KeyStroke{0, 0, int(Qt::Key_B), {}}, NativeKeys::WindowsVk),
                 QStringLiteral("b"));
        QCOMPARE(nameOf(KeyStroke{0, 70000, int(Qt::Key_B), {}}, NativeKeys::WindowsVk),
                 QStringLiteral("b"));
    }

    void platforms() {
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("xcb")), NativeKeys::XkbKeycode);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("wayland")), NativeKeys::XkbKeycode);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("wayland-egl")), NativeKeys::XkbKeycode);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("windows")), NativeKeys::WindowsVk);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("offscreen")), NativeKeys::None);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("cocoa")), NativeKeys::None);
    }
};

QTEST_GUILESS_MAIN(TestKeyNames)
#include "tst_keynames.moc"
