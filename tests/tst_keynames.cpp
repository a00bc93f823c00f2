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
constexpr int kCyrillicHa = 0x425;     // Х, on the key of [
constexpr int kCyrillicEf = 0x424;     // Ф, on the key of A

// The console names, written out key by key; the runs of digits, letters,
// keypad digits and function keys by loop.
QHash<int, QString> expectedNames() {
    // clang-format off
    QHash<int, QString> names{
        {8, "Backup"}, {9, "Tab"}, {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"},
        {19, "Pause"}, {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"},
        {36, "Home"}, {37, "LeftArrow"}, {38, "UpArrow"}, {39, "RightArrow"}, {40, "DownArrow"},
        {45, "Insert"}, {106, "*"}, {107, "+"}, {109, "Num -"}, {111, "Num /"},
        {144, "Num Lock"}, {145, "Scroll Lock"}, {186, ";"}, {187, "="}, {188, ","}, {189, "-"},
        {190, "."}, {191, "/"}, {192, "`"}, {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
    };
    // clang-format on
    for (int n = 0; n < 26; ++n)
        names.insert(65 + n, QString(QChar('a' + n)));
    for (int n = 0; n < 10; ++n)
        names.insert(48 + n, QString::number(n)), names.insert(96 + n, "Num " + QString::number(n));
    for (int n = 1; n <= 12; ++n)
        names.insert(111 + n, "F" + QString::number(n));
    return names;
}

// A key stroke's name; keycode 0 is an event without a native code.
QString nameOf(int keycode, int qtKey, Qt::KeyboardModifiers mods, NativeKeys native) {
    return keyName(virtualKeyOf(KeyStroke{quint32(keycode), 0, qtKey, mods}, native));
}

} // namespace

class TestKeyNames : public QObject {
    Q_OBJECT

  private slots:
    // Every code 0..255 and a few outside: the lists differ at the first wrong
    // code. With the mouse buttons they make the 95 names of the vocabulary.
    void everyCodeThroughTheTable() {
        const QHash<int, QString> names = expectedNames();
        QCOMPARE(names.size(), 92);
        QStringList actual, expected;
        for (int code = -1; code <= 256; ++code) {
            actual << keyName(code);
            expected << names.value(code);
        }
        QCOMPARE(actual, expected);
        for (int code : {321, 65536 + 65, 0xFFFF})
            QVERIFY(keyName(code).isEmpty());
        QStringList buttons;
        for (auto b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton})
            buttons << mouseButtonName(mouseButtonCode(b));
        for (int button : {3, 5, 8, -1})
            buttons << mouseButtonName(button);
        QCOMPARE(buttons, (QStringList{"Mouse1", "Mouse2", "Mouse3", "", "", "", "", ""}));
        QSet<QString> vocabulary(actual.begin(), actual.end());
        vocabulary.unite(QSet<QString>(buttons.begin(), buttons.end())).remove(QString());
        QCOMPARE(vocabulary.size(), 95);
    }

    // X keycodes as an evdev keyboard sends them, with the Qt key the layout
    // (and Num Lock) made of each: other layouts, Shift+1, both Enters, left
    // and right modifiers, keys without a name, the keypad with Num Lock on
    // (digits below) and off. Keycode 0 is a synthetic event: Qt's key and
    // keypad flag decide, and shifted US symbols give their unshifted key.
    void byKey_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("name");
        // clang-format off
        const struct { int keycode; int qtKey; bool keypad; const char* name; } cases[] = {
            {24, kCyrillicShortI, 0, "q"}, {29, Qt::Key_Z, 0, "y"}, {34, kCyrillicHa, 0, "["},
            {10, Qt::Key_Exclam, 0, "1"}, {36, Qt::Key_Return, 0, "Enter"},
            {104, Qt::Key_Enter, 1, "Enter"}, {37, Qt::Key_Control, 0, "Ctrl"},
            {105, Qt::Key_Control, 0, "Ctrl"}, {50, Qt::Key_Shift, 0, "Shift"},
            {62, Qt::Key_Shift, 0, "Shift"}, {64, Qt::Key_Alt, 0, "Alt"},
            {108, Qt::Key_AltGr, 0, "Alt"}, {95, Qt::Key_F11, 0, "F11"},
            {9, Qt::Key_Escape, 0, ""}, {66, Qt::Key_CapsLock, 0, ""}, {119, Qt::Key_Delete, 0, ""},
            {700, 0, 0, ""}, {63, Qt::Key_Asterisk, 1, "*"}, {86, Qt::Key_Plus, 1, "+"},
            {82, Qt::Key_Minus, 1, "Num -"}, {106, Qt::Key_Slash, 1, "Num /"},
            {91, Qt::Key_Period, 1, ""}, {91, Qt::Key_Comma, 1, ""}, {79, Qt::Key_Home, 1, "Home"},
            {84, Qt::Key_Clear, 1, ""}, {90, Qt::Key_Insert, 1, "Insert"},
            {91, Qt::Key_Delete, 1, ""}, {0, Qt::Key_Q, 0, "q"}, {0, Qt::Key_F12, 0, "F12"},
            {0, Qt::Key_Exclam, 0, "1"}, {0, Qt::Key_Bar, 0, "\\"}, {0, Qt::Key_Backtab, 0, "Tab"},
            {0, Qt::Key_Enter, 1, "Enter"}, {0, Qt::Key_5, 1, "Num 5"}, {0, Qt::Key_Minus, 0, "-"},
            {0, Qt::Key_Minus, 1, "Num -"}, {0, Qt::Key_Period, 1, ""}, {0, Qt::Key_Escape, 0, ""},
            {0, Qt::Key_Home, 1, "Home"}, {0, kCyrillicEf, 0, ""}, {0, 0, 0, ""},
        };
        // clang-format on
        for (const auto& c : cases)
            QTest::addRow("keycode %d, Qt key 0x%x%s", c.keycode, c.qtKey,
                          c.keypad ? ", keypad" : "")
                << c.keycode << c.qtKey << c.keypad << QString::fromUtf8(c.name);
        const int keypadDigits[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
        for (int d = 0; d <= 9; ++d)
            QTest::addRow("keypad %d", d)
                << keypadDigits[d] << int(Qt::Key_0 + d) << true << QStringLiteral("Num %1").arg(d);
    }
    void byKey() {
        QFETCH(int, keycode);
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(QString, name);
        const Qt::KeyboardModifiers mods = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        // Shift never changes a name.
        for (auto shift : {Qt::NoModifier, Qt::ShiftModifier})
            QCOMPARE(nameOf(keycode, qtKey, mods | shift, NativeKeys::XkbKeycode), name);
        if (keycode == 0)
            QCOMPARE(nameOf(0, qtKey, mods, NativeKeys::None), name);
    }

    void platforms() {
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("xcb")), NativeKeys::XkbKeycode);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("wayland-egl")), NativeKeys::XkbKeycode);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("offscreen")), NativeKeys::None);
        QCOMPARE(nativeKeysForPlatform(QStringLiteral("windows")), NativeKeys::WindowsVk);
        // Windows' own virtual key passes straight through; without a usable one, Qt's key.
        auto win = [](quint32 vk, int qtKey) {
            return keyName(virtualKeyOf(KeyStroke{30, vk, qtKey, {}}, NativeKeys::WindowsVk));
        };
        QCOMPARE(win(65, kCyrillicEf) + win(0, Qt::Key_B) + win(70000, Qt::Key_C), "abc");
    }
};

QTEST_GUILESS_MAIN(TestKeyNames)
#include "tst_keynames.moc"
