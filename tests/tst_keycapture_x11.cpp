// Real key presses and mouse clicks through an X server: the names come from
// the physical key whatever the layout, Shift or Num Lock say. Keys go in as
// raw X keycodes through XTest (xdotool), so the layout decides only what the
// key would have typed.
#include "app/PageCatalog.h"
#include "binds/CommandPage.h"
#include "binds/KeyField.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Long enough for any machine to deliver a key press; the waits end as soon
// as the field shows the result.
constexpr int kEventWait = 60000;

// Keycodes of a PC keyboard on an X server with evdev keycodes.
constexpr int kNumLock = 77;
constexpr int kKeypad5 = 84;
constexpr int kLeftShift = 50;

// Remembers what the last key press in a field would have typed.
class TypedText : public QObject {
  public:
    QString lastPress;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            lastPress = static_cast<QKeyEvent*>(event)->text();
        return QObject::eventFilter(watched, event);
    }
};

int run(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(-1))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestKeyCaptureX11 : public QObject {
    Q_OBJECT

    QString xdotool_;
    QString setxkbmap_;
    QString savedLayout_;
    std::unique_ptr<PageHarness> harness_;
    QPointer<CommandPage> page_;
    TypedText typed_;

    KeyField* field(int i) {
        return page_->findChild<KeyField*>(QStringLiteral("Text1_%1").arg(i));
    }
    QWidget* target(int i) {
        return page_->findChild<QWidget*>(QStringLiteral("Label1_%1").arg(i));
    }
    KeyFieldState state(int i) { return page_->fields().state(i); }

    bool xdo(const QStringList& args) { return run(xdotool_, args) == 0; }

    void listen(int i) {
        QTest::mouseClick(target(i), Qt::LeftButton);
        QTest::mouseDClick(target(i), Qt::LeftButton);
        QCOMPARE(state(i), KeyFieldState::Listening);
    }

    // Presses and releases the keys in a listening field i; returns the
    // name the field shows once the release has locked it.
    QString realKeys(int i, const QStringList& xdotoolArgs) {
        listen(i);
        if (!xdo(xdotoolArgs))
            return QStringLiteral("<xdotool failed>");
        if (!QTest::qWaitFor([&] { return state(i) != KeyFieldState::Listening; }, kEventWait))
            return QStringLiteral("<no key arrived>");
        return field(i)->text();
    }
    // xdotool reads a lone digit as that digit's key, so keycode 9 (Escape)
    // cannot be sent by number; every other keycode has two digits or more.
    QString realKey(int i, int keycode) {
        return realKeys(i, {QStringLiteral("key"), QString::number(keycode)});
    }

    QPoint centreOf(QWidget* w) { return w->mapToGlobal(w->rect().center()); }

    bool realClicks(QWidget* w, int button, int count) {
        const QPoint at = centreOf(w);
        return xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    "--repeat", QString::number(count), "--delay", "60", QString::number(button)});
    }

    void setNumLock(bool on) {
        const QString probe = realKey(129, kKeypad5);
        if ((probe == QLatin1String("Num 5")) != on)
            QCOMPARE(realKey(129, kNumLock), QStringLiteral("Num Lock"));
        QCOMPARE(realKey(129, kKeypad5), on ? QStringLiteral("Num 5") : QString());
    }

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        xdotool_ = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        setxkbmap_ = QStandardPaths::findExecutable(QStringLiteral("setxkbmap"));
        if (xdotool_.isEmpty())
            QSKIP("xdotool is missing (Debian package xdotool): no real key events to send");
        if (setxkbmap_.isEmpty())
            QSKIP("setxkbmap is missing (Debian package x11-xkb-utils): cannot switch layouts");
        QString query;
        run(setxkbmap_, {QStringLiteral("-query")}, &query);
        for (const QString& line : query.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("layout:")))
                savedLayout_ = line.mid(7).trimmed();
        }
        // Double-clicks are sent with a short pause between the clicks; a
        // busy machine must not split them into two single clicks.
        QApplication::setDoubleClickInterval(2000);
    }

    void cleanupTestCase() {
        if (!savedLayout_.isEmpty())
            run(setxkbmap_, {savedLayout_});
    }

    void init() {
        // Every real key below is pressed with the Russian layout active.
        QCOMPARE(run(setxkbmap_, {QStringLiteral("ru")}), 0);
        harness_ = std::make_unique<PageHarness>();
        const QList<QWidget*> pages =
            openProgramPage(QStringLiteral("Command2"), harness_->services);
        QCOMPARE(pages.size(), 1);
        page_ = qobject_cast<CommandPage*>(pages[0]);
        QVERIFY(page_);
        page_->show();
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_));
        for (KeyField* f : page_->findChildren<KeyField*>())
            f->installEventFilter(&typed_);
    }

    void cleanup() {
        delete page_;
        harness_.reset();
    }

    void lettersUnderARussianLayout_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("key left of W") << 24 << "q"
                                       << "й";
        QTest::newRow("W") << 25 << "w"
                           << "ц";
        QTest::newRow("A") << 38 << "a"
                           << "ф";
        QTest::newRow("Z") << 52 << "z"
                           << "я";
        QTest::newRow("M") << 58 << "m"
                           << "ь";
        QTest::newRow("left bracket") << 34 << "["
                                      << "х";
        QTest::newRow("semicolon") << 47 << ";"
                                   << "ж";
        QTest::newRow("grave") << 49 << "`"
                               << "ё";
        QTest::newRow("full stop") << 60 << "."
                                   << "ю";
    }
    void lettersUnderARussianLayout() {
        QFETCH(int, keycode);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QCOMPARE(realKey(3, keycode), name);
        QCOMPARE(typed_.lastPress, typed); // the layout really was Russian
    }

    void shiftedDigitKeepsTheDigit() {
        const QString name = realKeys(4, {"keydown", QString::number(kLeftShift), "key", "10",
                                          "keyup", QString::number(kLeftShift)});
        QCOMPARE(name, QStringLiteral("1"));
        QCOMPARE(typed_.lastPress, QStringLiteral("!"));
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    void keypadWithNumLockOn_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<QString>("name");
        const int digits[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
        for (int d = 0; d <= 9; ++d)
            QTest::addRow("keypad %d", d) << digits[d] << QStringLiteral("Num %1").arg(d);
        QTest::newRow("keypad multiply") << 63 << "*";
        QTest::newRow("keypad plus") << 86 << "+";
        QTest::newRow("keypad divide") << 106 << "Num /";
        QTest::newRow("keypad enter") << 104 << "Enter";
        QTest::newRow("keypad point") << 91 << "";
        QTest::newRow("main enter") << 36 << "Enter";
        QTest::newRow("main minus") << 20 << "-";
        QTest::newRow("main slash") << 61 << "/";
    }
    void keypadWithNumLockOn() {
        QFETCH(int, keycode);
        QFETCH(QString, name);
        setNumLock(true);
        QCOMPARE(realKey(5, keycode), name);
    }

    void keypadWithNumLockOff_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<QString>("name");
        QTest::newRow("keypad 7") << 79 << "Home";
        QTest::newRow("keypad 0") << 90 << "Insert";
        QTest::newRow("keypad point") << 91 << "";
    }
    void keypadWithNumLockOff() {
        QFETCH(int, keycode);
        QFETCH(QString, name);
        setNumLock(false);
        QCOMPARE(realKey(6, keycode), name);
    }

    void leftAndRightKeysAlike_data() {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<QString>("name");
        QTest::newRow("left shift") << 50 << "Shift";
        QTest::newRow("right shift") << 62 << "Shift";
        QTest::newRow("left ctrl") << 37 << "Ctrl";
        QTest::newRow("right ctrl") << 105 << "Ctrl";
        QTest::newRow("left alt") << 64 << "Alt";
        QTest::newRow("right alt") << 108 << "Alt";
    }
    void leftAndRightKeysAlike() {
        QFETCH(int, keycode);
        QFETCH(QString, name);
        QCOMPARE(realKey(7, keycode), name);
    }

    void escapeEmptiesTheField() {
        QCOMPARE(realKey(7, 24), QStringLiteral("q"));
        QCOMPARE(realKeys(7, {"key", "Escape"}), QString());
        QCOMPARE(state(7), KeyFieldState::Captured);
    }

    void tabStaysInTheField() {
        QCOMPARE(realKey(8, 23), QStringLiteral("Tab"));
        QCOMPARE(page_->focusWidget(), field(8));
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    // Each row uses its own field: a click where the last row's last click
    // was would pair with it into a double-click.
    void realMouseCapture_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("button"); // X button numbers
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << 9 << 1 << "Mouse1";
        QTest::newRow("middle") << 10 << 2 << "Mouse3";
        QTest::newRow("right") << 11 << 3 << "Mouse2";
    }
    void realMouseCapture() {
        QFETCH(int, index);
        QFETCH(int, button);
        QFETCH(QString, name);
        QVERIFY(realClicks(field(index), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(index), KeyFieldState::Listening, kEventWait);
        QVERIFY(realClicks(field(index), button, 1));
        QTRY_COMPARE_WITH_TIMEOUT(field(index)->text(), name, kEventWait);
        QCOMPARE(state(index), KeyFieldState::Captured);
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    // The first press of a second double-click is captured as Mouse1 and
    // locks the field; the second press then falls through to the target
    // behind and must not start listening again.
    void doubleClickOnAListeningField() {
        QVERIFY(realClicks(field(12), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(12), KeyFieldState::Listening, kEventWait);
        QVERIFY(realClicks(field(12), 1, 2));
        // A real wheel turn over a row scrolls the rows; and as X delivers
        // in order, once it has, both clicks before it have been handled.
        QVERIFY(realClicks(field(13), 5, 1));
        auto* bar = page_->findChild<QScrollBar*>(QStringLiteral("V"));
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, kEventWait);
        QCOMPARE(field(12)->text(), QStringLiteral("Mouse1"));
        QCOMPARE(state(12), KeyFieldState::Captured);
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    // As a player would: double-click fields, press keys and buttons, take a
    // name twice, press Done.
    void endToEnd() {
        QVERIFY(realClicks(field(0), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(0), KeyFieldState::Listening, kEventWait);
        QVERIFY(realClicks(field(0), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(field(0)->text(), QStringLiteral("Mouse1"), kEventWait);

        QVERIFY(realClicks(field(70), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(70), KeyFieldState::Listening, kEventWait);
        QVERIFY(xdo({"key", "112"}));
        QTRY_COMPARE_WITH_TIMEOUT(state(70), KeyFieldState::Captured, kEventWait);
        QCOMPARE(field(70)->text(), QStringLiteral("Page Up"));

        QVERIFY(realClicks(field(20), 1, 2)); // Pause first lands in row 20
        QTRY_COMPARE_WITH_TIMEOUT(state(20), KeyFieldState::Listening, kEventWait);
        QVERIFY(xdo({"key", "127"}));
        QTRY_COMPARE_WITH_TIMEOUT(field(20)->text(), QStringLiteral("Pause"), kEventWait);

        page_->findChild<QScrollBar*>(QStringLiteral("V"))->setValue(15685);
        QVERIFY(realClicks(field(111), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(111), KeyFieldState::Listening, kEventWait);
        QVERIFY(xdo({"key", "45"})); // л under the Russian layout
        QTRY_COMPARE_WITH_TIMEOUT(field(111)->text(), QStringLiteral("k"), kEventWait);

        QVERIFY(realClicks(field(128), 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(state(128), KeyFieldState::Listening, kEventWait);
        QVERIFY(xdo({"key", "127"}));
        QTRY_COMPARE_WITH_TIMEOUT(field(128)->text(), QStringLiteral("Pause"), kEventWait);
        QCOMPARE(field(20)->text(), QString()); // the name moved on

        QVERIFY(realClicks(page_->findChild<QPushButton*>(QStringLiteral("Command2")), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(harness_->menu.returned, QStringList{"Command2"}, kEventWait);
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_example.cfg");
    }
};

int main(int argc, char** argv) {
    // No session bus under xvfb-run: without this, the X platform's attempt
    // to reach one leaves an allocation of libdbus behind, which the leak
    // checker of the sanitizer build reports.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    TestKeyCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_keycapture_x11.moc"
