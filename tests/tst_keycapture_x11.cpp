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
#include <QRegularExpression>
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

    bool realClicks(QWidget* w, int button, int count) {
        const QPoint at = w->mapToGlobal(w->rect().center());
        return xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    "--repeat", QString::number(count), "--delay", "60", QString::number(button)});
    }

    // A real double-click on field i; true once the field listens.
    bool listenReally(int i) {
        return realClicks(field(i), 1, 2) &&
               QTest::qWaitFor([&] { return state(i) == KeyFieldState::Listening; }, kEventWait);
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
        if (xdotool_.isEmpty() || setxkbmap_.isEmpty())
            QSKIP("needs xdotool and setxkbmap (Debian packages xdotool, x11-xkb-utils)");
        QString query;
        run(setxkbmap_, {QStringLiteral("-query")}, &query);
        savedLayout_ =
            QRegularExpression(QStringLiteral("layout:\\s*(\\S+)")).match(query).captured(1);
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
        const QList<QWidget*> pages = openProgramPage("Command2", harness_->services);
        QVERIFY(pages.size() == 1 && (page_ = qobject_cast<CommandPage*>(pages[0])));
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

    // Letters and symbols under the Russian layout (with what the key typed,
    // to show the layout really was Russian), both Enters, the keypad with
    // Num Lock on and off, main-block keys that share a symbol with the
    // keypad, right-hand modifiers. Num Lock: -1 as it is, 0 off, 1 on.
    void realKeyNames_data() {
        QTest::addColumn<int>("numLock");
        QTest::addColumn<int>("keycode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        // clang-format off
        const struct { int numLock; int keycode; const char* name; const char* typed; } cases[] = {
            {-1, 24, "q", "й"}, {-1, 38, "a", "ф"}, {-1, 34, "[", "х"}, {-1, 49, "`", "ё"},
            {-1, 60, ".", "ю"}, {1, 90, "Num 0", ""}, {1, 84, "Num 5", ""}, {1, 81, "Num 9", ""},
            {1, 63, "*", ""}, {1, 106, "Num /", ""}, {1, 104, "Enter", ""}, {1, 91, "", ""},
            {1, 36, "Enter", ""}, {1, 20, "-", ""}, {1, 61, "/", ""}, {0, 79, "Home", ""},
            {0, 91, "", ""}, {-1, 62, "Shift", ""}, {-1, 105, "Ctrl", ""}, {-1, 108, "Alt", ""},
        };
        // clang-format on
        for (const auto& c : cases)
            QTest::addRow("keycode %d, Num Lock %d", c.keycode, c.numLock)
                << c.numLock << c.keycode << QString::fromUtf8(c.name)
                << QString::fromUtf8(c.typed);
    }
    void realKeyNames() {
        QFETCH(int, numLock);
        QFETCH(int, keycode);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        if (numLock >= 0)
            setNumLock(numLock == 1);
        QCOMPARE(realKey(5, keycode), name);
        if (!typed.isEmpty())
            QCOMPARE(typed_.lastPress, typed);
    }

    void shiftedDigitKeepsTheDigit() {
        const QString name = realKeys(4, {"keydown", QString::number(kLeftShift), "key", "10",
                                          "keyup", QString::number(kLeftShift)});
        QCOMPARE(name, QStringLiteral("1"));
        QCOMPARE(typed_.lastPress, QStringLiteral("!"));
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    void escapeEmptiesTheField() {
        QCOMPARE(realKey(7, 24), QStringLiteral("q"));
        QCOMPARE(realKeys(7, {"key", "Escape"}), QString());
        QCOMPARE(state(7), KeyFieldState::Captured);
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
        QVERIFY(listenReally(index));
        QVERIFY(realClicks(field(index), button, 1));
        QTRY_COMPARE_WITH_TIMEOUT(field(index)->text(), name, kEventWait);
        QCOMPARE(state(index), KeyFieldState::Captured);
        QCOMPARE(harness_->sound.played, (QList<int>{1, 2}));
    }

    // The first press of a second double-click is captured as Mouse1 and
    // locks the field; the second press then falls through to the target
    // behind and must not start listening again.
    void doubleClickOnAListeningField() {
        QVERIFY(listenReally(12));
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
        QVERIFY(listenReally(0));
        QVERIFY(realClicks(field(0), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(field(0)->text(), QStringLiteral("Mouse1"), kEventWait);
        // Page Up in 70, Pause in 20, k (л under the Russian layout) in 111
        // once scrolled down, then Pause again in 128: the name moves on.
        const std::pair<int, const char*> keys[] = {
            {70, "112"}, {20, "127"}, {111, "45"}, {128, "127"}};
        const char* const names[] = {"Page Up", "Pause", "k", "Pause"};
        for (int n = 0; n < 4; ++n) {
            if (keys[n].first == 111)
                page_->findChild<QScrollBar*>(QStringLiteral("V"))->setValue(15685);
            QVERIFY(listenReally(keys[n].first));
            QVERIFY(xdo({"key", keys[n].second}));
            QTRY_COMPARE_WITH_TIMEOUT(field(keys[n].first)->text(), QString(names[n]), kEventWait);
        }
        QCOMPARE(field(20)->text(), QString());
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
