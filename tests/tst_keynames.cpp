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
    // beside each is what the active layout made of it.
    void byXKeycode_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("name");
        QTest::newRow("q under a Russian layout") << 24 << kCyrillicShortI << "q";
        QTest::newRow("w under a Russian layout") << 25 << kCyrillicTse << "w";
        QTest::newRow("z under a German layout") << 29 << int(Qt::Key_Z) << "y";
        QTest::newRow("shifted 1") << 10 << int(Qt::Key_Exclam) << "1";
        QTest::newRow("0") << 19 << int(Qt::Key_0) << "0";
        QTest::newRow("main minus") << 20 << int(Qt::Key_Minus) << "-";
        QTest::newRow("equals") << 21 << int(Qt::Key_Equal) << "=";
        QTest::newRow("backspace") << 22 << int(Qt::Key_Backspace) << "Backup";
        QTest::newRow("tab") << 23 << int(Qt::Key_Tab) << "Tab";
        QTest::newRow("brackets as Russian letters") << 34 << kCyrillicHa << "[";
        QTest::newRow("main enter") << 36 << int(Qt::Key_Return) << "Enter";
        QTest::newRow("keypad enter") << 104 << int(Qt::Key_Enter) << "Enter";
        QTest::newRow("left ctrl") << 37 << int(Qt::Key_Control) << "Ctrl";
        QTest::newRow("right ctrl") << 105 << int(Qt::Key_Control) << "Ctrl";
        QTest::newRow("left shift") << 50 << int(Qt::Key_Shift) << "Shift";
        QTest::newRow("right shift") << 62 << int(Qt::Key_Shift) << "Shift";
        QTest::newRow("left alt") << 64 << int(Qt::Key_Alt) << "Alt";
        QTest::newRow("right alt as AltGr") << 108 << int(Qt::Key_AltGr) << "Alt";
        QTest::newRow("grave") << 49 << int(Qt::Key_QuoteLeft) << "`";
        QTest::newRow("backslash") << 51 << int(Qt::Key_Backslash) << "\\";
        QTest::newRow("apostrophe") << 48 << int(Qt::Key_Apostrophe) << "'";
        QTest::newRow("slash") << 61 << int(Qt::Key_Slash) << "/";
        QTest::newRow("space") << 65 << int(Qt::Key_Space) << "Space";
        QTest::newRow("escape") << 9 << int(Qt::Key_Escape) << "";
        QTest::newRow("caps lock") << 66 << int(Qt::Key_CapsLock) << "";
        QTest::newRow("F1") << 67 << int(Qt::Key_F1) << "F1";
        QTest::newRow("F10") << 76 << int(Qt::Key_F10) << "F10";
        QTest::newRow("F11") << 95 << int(Qt::Key_F11) << "F11";
        QTest::newRow("F12") << 96 << int(Qt::Key_F12) << "F12";
        QTest::newRow("num lock") << 77 << int(Qt::Key_NumLock) << "Num Lock";
        QTest::newRow("scroll lock") << 78 << int(Qt::Key_ScrollLock) << "Scroll Lock";
        QTest::newRow("pause") << 127 << int(Qt::Key_Pause) << "Pause";
        QTest::newRow("home") << 110 << int(Qt::Key_Home) << "Home";
        QTest::newRow("page up") << 112 << int(Qt::Key_PageUp) << "Page Up";
        QTest::newRow("page down") << 117 << int(Qt::Key_PageDown) << "Page Down";
        QTest::newRow("left arrow") << 113 << int(Qt::Key_Left) << "LeftArrow";
        QTest::newRow("up arrow") << 111 << int(Qt::Key_Up) << "UpArrow";
        QTest::newRow("right arrow") << 114 << int(Qt::Key_Right) << "RightArrow";
        QTest::newRow("down arrow") << 116 << int(Qt::Key_Down) << "DownArrow";
        QTest::newRow("insert") << 118 << int(Qt::Key_Insert) << "Insert";
        QTest::newRow("end") << 115 << int(Qt::Key_End) << "End";
        QTest::newRow("delete") << 119 << int(Qt::Key_Delete) << "";
        QTest::newRow("print screen") << 107 << int(Qt::Key_Print) << "";
        QTest::newRow("windows key") << 133 << int(Qt::Key_Meta) << "";
        QTest::newRow("key beside left shift") << 94 << int(Qt::Key_Less) << "";
        QTest::newRow("keycode 0") << 0 << 0 << "";
        QTest::newRow("keycode 255") << 255 << 0 << "";
        QTest::newRow("keycode 700") << 700 << 0 << "";
        // Keypad: Num Lock on, the layout gives digits.
        const int keypad[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
        for (int digit = 0; digit <= 9; ++digit)
            QTest::addRow("keypad %d, Num Lock on", digit)
                << keypad[digit] << int(Qt::Key_0) + digit << QStringLiteral("Num %1").arg(digit);
        QTest::newRow("keypad multiply") << 63 << int(Qt::Key_Asterisk) << "*";
        QTest::newRow("keypad plus") << 86 << int(Qt::Key_Plus) << "+";
        QTest::newRow("keypad minus") << 82 << int(Qt::Key_Minus) << "Num -";
        QTest::newRow("keypad divide") << 106 << int(Qt::Key_Slash) << "Num /";
        QTest::newRow("keypad point, Num Lock on") << 91 << int(Qt::Key_Period) << "";
        QTest::newRow("keypad comma, Num Lock on") << 91 << int(Qt::Key_Comma) << "";
        // Num Lock off (or Shift held): the navigation keys.
        QTest::newRow("keypad 7, Num Lock off") << 79 << int(Qt::Key_Home) << "Home";
        QTest::newRow("keypad 8, Num Lock off") << 80 << int(Qt::Key_Up) << "UpArrow";
        QTest::newRow("keypad 9, Num Lock off") << 81 << int(Qt::Key_PageUp) << "Page Up";
        QTest::newRow("keypad 5, Num Lock off") << 84 << int(Qt::Key_Clear) << "";
        QTest::newRow("keypad 0, Num Lock off") << 90 << int(Qt::Key_Insert) << "Insert";
        QTest::newRow("keypad 3, Num Lock off") << 89 << int(Qt::Key_PageDown) << "Page Down";
        QTest::newRow("keypad point, Num Lock off") << 91 << int(Qt::Key_Delete) << "";
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
    void byQtKey_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("name");
        QTest::newRow("Q") << int(Qt::Key_Q) << false << "q";
        QTest::newRow("A") << int(Qt::Key_A) << false << "a";
        QTest::newRow("7") << int(Qt::Key_7) << false << "7";
        QTest::newRow("shifted 1") << int(Qt::Key_Exclam) << false << "1";
        QTest::newRow("shifted 2") << int(Qt::Key_At) << false << "2";
        QTest::newRow("shifted 8") << int(Qt::Key_Asterisk) << false << "8";
        QTest::newRow("shifted 0") << int(Qt::Key_ParenRight) << false << "0";
        QTest::newRow("shifted equals") << int(Qt::Key_Plus) << false << "=";
        QTest::newRow("shifted minus") << int(Qt::Key_Underscore) << false << "-";
        QTest::newRow("shifted semicolon") << int(Qt::Key_Colon) << false << ";";
        QTest::newRow("shifted apostrophe") << int(Qt::Key_QuoteDbl) << false << "'";
        QTest::newRow("shifted grave") << int(Qt::Key_AsciiTilde) << false << "`";
        QTest::newRow("shifted backslash") << int(Qt::Key_Bar) << false << "\\";
        QTest::newRow("shifted brackets") << int(Qt::Key_BraceRight) << false << "]";
        QTest::newRow("shifted tab") << int(Qt::Key_Backtab) << false << "Tab";
        QTest::newRow("return") << int(Qt::Key_Return) << false << "Enter";
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << "Enter";
        QTest::newRow("keypad 5") << int(Qt::Key_5) << true << "Num 5";
        QTest::newRow("keypad 0") << int(Qt::Key_0) << true << "Num 0";
        QTest::newRow("keypad multiply") << int(Qt::Key_Asterisk) << true << "*";
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true << "+";
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << "Num -";
        QTest::newRow("main minus") << int(Qt::Key_Minus) << false << "-";
        QTest::newRow("keypad divide") << int(Qt::Key_Slash) << true << "Num /";
        QTest::newRow("main slash") << int(Qt::Key_Slash) << false << "/";
        QTest::newRow("keypad point") << int(Qt::Key_Period) << true << "";
        QTest::newRow("main full stop") << int(Qt::Key_Period) << false << ".";
        QTest::newRow("keypad home") << int(Qt::Key_Home) << true << "Home";
        QTest::newRow("keypad clear") << int(Qt::Key_Clear) << true << "";
        QTest::newRow("F12") << int(Qt::Key_F12) << false << "F12";
        QTest::newRow("F13") << int(Qt::Key_F13) << false << "";
        QTest::newRow("escape") << int(Qt::Key_Escape) << false << "";
        QTest::newRow("delete") << int(Qt::Key_Delete) << false << "";
        QTest::newRow("AltGr") << int(Qt::Key_AltGr) << false << "Alt";
        QTest::newRow("control") << int(Qt::Key_Control) << false << "Ctrl";
        QTest::newRow("pause") << int(Qt::Key_Pause) << false << "Pause";
        QTest::newRow("a Cyrillic letter") << kCyrillicEf << false << "";
        QTest::newRow("unknown") << int(Qt::Key_unknown) << false << "";
        QTest::newRow("no key") << 0 << false << "";
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
