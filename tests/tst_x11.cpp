// Real windows, keys and pointer on an X server, driven from outside with
// xdotool: every X keycode against the server's own keysyms, key capture by
// the physical key under another layout, drag and drop between the weapon
// windows with the pointer's faces.
#include "app/MenuTable.h"
#include "binds/CommandPage.h"
#include "binds/KeyField.h"
#include "binds/VirtualKeys.h"
#include "buy/BuyLook.h"
#include "buy/BuyPage.h"
#include "buy/KeySlot.h"
#include "platform/KeyboardLayout.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDrag>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#undef KeyPress // Xlib's event numbers would hide Qt's event types
#undef None

using namespace quelmar;
using namespace quelmar::test;

namespace {

QString xdotool() {
    static const QString path = QStandardPaths::findExecutable("xdotool");
    return path;
}

// Runs a helper program; its exit code, or -1 when it failed or hung.
int run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(kPatience))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The virtual keys of us_keysyms.txt by keysym.
QHash<KeySym, int> virtualKeysOfKeysyms() {
    QHash<KeySym, int> keys;
    for (const QString& line : QString::fromUtf8(goldenBytes("us_keysyms.txt")).split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            keys.insert(XStringToKeysym(qPrintable(line.section('\t', 0, 0))),
                        line.section('\t', 1).toInt());
    }
    return keys;
}

// The face the pointer shows in a drag; a null image while no drag runs.
QImage faceNow() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->pixmap().toImage() : QImage();
}

// Plays xdotool commands one by one, each until its condition holds while the
// program handles events (inside a running drag too). A condition not met is
// reported and the rest plays on unchecked, so the button is let go and a
// failing run ends instead of hanging in the drag.
class PointerScript : public QObject {
  public:
    PointerScript() { connect(&tick_, &QTimer::timeout, this, &PointerScript::poll); }

    void add(
        const QStringList& args, std::function<bool()> until = [] { return true; }) {
        steps_.append({args, std::move(until)});
    }

    void start() { tick_.start(5); }
    int size() const { return int(steps_.size()); }
    bool finished() const { return !tick_.isActive(); }
    QString failures() const { return failures_.join(QStringLiteral("; ")); }

  private:
    void poll() {
        if (process_.state() != QProcess::NotRunning)
            return;
        if (current_ >= 0) {
            const auto& [args, until] = steps_.at(current_);
            const bool ran =
                process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
            const bool caughtUp = ran && (!failures_.isEmpty() || until());
            if (ran && !caughtUp && !sinceStart_.hasExpired(kPatience))
                return;
            if (!caughtUp)
                failures_ << (ran ? QStringLiteral("after xdotool %1 the program never caught up")
                                  : QStringLiteral("xdotool %1 failed"))
                                 .arg(args.join(QLatin1Char(' ')));
        }
        if (++current_ == steps_.size())
            return tick_.stop();
        process_.start(xdotool(), steps_.at(current_).first);
        sinceStart_.start();
    }

    QList<std::pair<QStringList, std::function<bool()>>> steps_;
    qsizetype current_ = -1; // the step whose command runs or ran last
    QStringList failures_;
    QElapsedTimer sinceStart_;
    QProcess process_;
    QTimer tick_;
};

QStringList moveTo(QPoint p) {
    return {"mousemove", QString::number(p.x()), QString::number(p.y())};
}

QPoint centreOf(QWidget* w) {
    return w->mapToGlobal(w->rect().center());
}

} // namespace

// Runs a helper whose checks may fail and ends the calling test when one did:
// a failed QVERIFY returns only from the helper itself.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class TestKeyCaptureX11 : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> harness_;
    QPointer<CommandPage> page_;

    static int setxkbmap(const char* layout) {
        return run(QStandardPaths::findExecutable("setxkbmap"), {layout});
    }

    KeyField* field(int i) {
        return page_->findChild<KeyField*>(QStringLiteral("Text1_%1").arg(i));
    }
    KeyFieldState state(int i) { return page_->fields().state(i); }

    bool xdo(const QStringList& args) { return run(xdotool(), args) == 0; }

    bool realClicks(QWidget* w, int button, int count) {
        const QPoint at = w->mapToGlobal(w->rect().center());
        return xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    "--repeat", QString::number(count), "--delay", "60", QString::number(button)});
    }

    // A real double-click on field i; true once the field listens.
    bool listenReally(int i) {
        return realClicks(field(i), 1, 2) &&
               QTest::qWaitFor([&] { return state(i) == KeyFieldState::Listening; }, kPatience);
    }

    void openPage() {
        // xdotool's double-clicks, with a pause inside, must not be split.
        QApplication::setDoubleClickInterval(2000);
        harness_ = std::make_unique<PageHarness>();
        page_ = qobject_cast<CommandPage*>(
            openProgramPage(MenuPage::Commands, harness_->services).value(0));
        QVERIFY(page_);
        page_->show();
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_, kPatience));
    }

  private slots:
    // Every keycode of the X server against the keysyms its US layout puts
    // on it: plain keys by their first level; keypad keys by the navigation
    // level and, with Num Lock, the digit level. A keysym met before on a
    // lower keycode marks a second code of the same key, named by the first.
    void everyKeycodeNamesItsUsKey() {
        QCOMPARE(setxkbmap("us"), 0);
        Display* display = XOpenDisplay(nullptr);
        QVERIFY(display);
        const QHash<KeySym, int> virtualKeyOfKeysym = virtualKeysOfKeysyms();
        QVERIFY(virtualKeyOfKeysym.size() == 116 && !virtualKeyOfKeysym.contains(NoSymbol));
        QSet<KeySym> seen;
        QStringList wrong;
        for (int code = 8; code < 256; ++code) {
            const KeySym plain = XkbKeycodeToKeysym(display, KeyCode(code), 0, 0);
            const KeySym shifted = XkbKeycodeToKeysym(display, KeyCode(code), 0, 1);
            const bool keypad = plain != shifted && IsKeypadKey(shifted);
            QList<std::pair<int, int>> checks; // Qt key, expected virtual key
            if (!seen.contains(plain))
                checks.append({keypad ? int(Qt::Key_Home) : 0, virtualKeyOfKeysym.value(plain)});
            if (keypad)
                checks.append({Qt::Key_7, virtualKeyOfKeysym.value(shifted)});
            for (const auto& [qtKey, expect] : checks) {
                const int got = virtualKeyFromXkbKeycode(quint32(code), qtKey);
                if (got != expect)
                    wrong << QStringLiteral("%1 (%2): %3 for %4")
                                 .arg(code)
                                 .arg(XKeysymToString(qtKey == Qt::Key_7 ? shifted : plain))
                                 .arg(got)
                                 .arg(expect);
            }
            seen << plain << shifted;
        }
        XCloseDisplay(display);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // As a player would, with the Russian layout asked for (Xvfb keeps its
    // US keymap whatever setxkbmap asks; the names hold either way):
    // double-click fields, press keys and buttons, take a name twice, press
    // Done.
    void endToEnd() {
        QCOMPARE(setxkbmap("ru"), 0);
        STEP(openPage());
        QVERIFY(listenReally(0));
        QVERIFY(realClicks(field(0), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(field(0)->text(), QStringLiteral("Mouse1"), kPatience);
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
            QTRY_COMPARE_WITH_TIMEOUT(field(keys[n].first)->text(), QString(names[n]), kPatience);
        }
        QCOMPARE(field(20)->text(), QString());
        QVERIFY(realClicks(page_->findChild<QPushButton*>(QStringLiteral("Command2")), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(harness_->handedBack, 1, kPatience);
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_example.cfg");
    }

    // X's buttons 4 and 5 (the wheel) and 8 and 9 (the side buttons) in
    // listening fields; then, nobody listening, the wheel scrolls the rows.
    void wheelAndSideButtons() {
        STEP(openPage());
        auto* bar = page_->findChild<QScrollBar*>(QStringLiteral("V"));
        for (const auto& [i, button] : {std::pair{15, 5}, {3, 4}, {70, 5}, {48, 8}, {49, 9}}) {
            if (i == 48) // the communication rows, further down
                bar->setValue(14000);
            QVERIFY(listenReally(i));
            QVERIFY(realClicks(field(i), button, 1));
            QTRY_COMPARE_WITH_TIMEOUT(state(i), KeyFieldState::Captured, kPatience);
        }
        QVERIFY(realClicks(field(49), 5, 1));
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 14000, kPatience);
        QVERIFY(realClicks(page_->findChild<QPushButton*>(QStringLiteral("Command2")), 1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(harness_->handedBack, 1, kPatience);
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_wheel.cfg");
    }

    // The letters of the player's own layout: the first layout that puts
    // other characters on the main block, X's Cyrillic keysyms read as the
    // Russian layout names them.
    void layoutLettersChosen() {
        const QString us = "`qwertyuiop[]asdfghjkl;'zxcvbnm,./";
        const QStringList ru =
            QStringLiteral("io shorti tse u ka ie en ghe sha shcha ze ha hardsign ef yeru "
                           "ve a pe er o el de zhe e ya che es em i te softsign be yu")
                .split(' ');
        const auto at = [&](int layout, const MainBlockKey& key) {
            const qsizetype i = us.indexOf(QChar(key.us));
            if (layout == 0 || i < 0)
                return QString(QChar(key.us));
            return i == us.size() - 1
                       ? QStringLiteral(".")
                       : keysymCharacter(XStringToKeysym(qPrintable("Cyrillic_" + ru[i])));
        };
        const QHash<char, QString> letters = ownLettersAmong(2, at);
        QCOMPARE(QString(letters['`']) + letters['q'] + letters['['] + letters[';'] + letters['.'] +
                     letters['m'],
                 "ЁЙХЖЮЬ");
        QCOMPARE(letters.size(), 34);
        QCOMPARE(keysymCharacter(0x1000439) + keysymCharacter(0x6b4) + keysymCharacter('q'), "йЄq");
    }

    // From the X server: none under the US layout; under the Russian one, Й
    // on q and Ж on ';'.
    void layoutLettersFromTheServer() {
        const auto lettersUnder = [&](const char* layout) {
            return setxkbmap(layout) == 0 ? ownLayoutLetters() : QHash<char, QString>{{'?', "?"}};
        };
        QCOMPARE(lettersUnder("us"), (QHash<char, QString>{}));
        const QHash<char, QString> russian = lettersUnder("ru");
        QCOMPARE(russian.value('q') + russian.value(';'), "ЙЖ");
        QCOMPARE(lettersUnder("us"), (QHash<char, QString>{}));
    }

    void cleanupTestCase() { delete page_; }
};

class TestBuyDragAndDrop : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> h_;
    QPointer<QWidget> form1_;
    QPointer<QWidget> form2_;

    template <typename T> T* in(QWidget* w, const QString& name) { return w->findChild<T*>(name); }
    KeySlot* slot(int i) { return in<KeySlot>(form2_, QStringLiteral("Key_%1").arg(i)); }

    void play(PointerScript& script) {
        script.start();
        QVERIFY2(QTest::qWaitFor([&] { return script.finished(); }, 2 * kPatience),
                 "the pointer script did not finish");
        QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures()));
    }

    void clickAt(QPoint p) {
        PointerScript script;
        script.add(moveTo(p));
        script.add({"click", "1"});
        play(script);
    }
    void clickButton(QWidget* window) { clickAt(centreOf(in<QPushButton>(window, "Command1"))); }

    // Shows a category's group by a click on the round mark of its option
    // (it reacts there and on its caption, not across its width).
    void showGroup(int category) {
        auto* option = in<QRadioButton>(form1_, QStringLiteral("Option%1").arg(category));
        STEP(clickAt(option->mapToGlobal(QPoint(8, 13))));
        QTRY_VERIFY_WITH_TIMEOUT(
            in<QWidget>(form1_, QStringLiteral("Frame%1").arg(category))->isVisible(), kPatience);
    }

    // Presses button on the item, passes over the key window's background
    // (frowning face) to the destination and lets go: the face there smiles
    // exactly when it takes the drop. The drag offers a move and no more.
    void drag(const QString& item, QPoint destination, bool takes, int button) {
        QWidget* source = in<QWidget>(form1_, item);
        QVERIFY(source && source->isVisible());
        const QImage smile = buy::smilingCursor().toImage();
        const QImage frown = buy::frowningCursor().toImage();
        const QString b = QString::number(button);
        PointerScript script;
        script.add(moveTo(centreOf(source)));
        Qt::DropActions offered;
        script.add({"mousedown", b}, [&] {
            const QList<QDrag*> drags = source->findChildren<QDrag*>();
            offered = drags.isEmpty() ? Qt::DropActions() : drags.last()->supportedActions();
            return !faceNow().isNull();
        });
        script.add(moveTo(form2_->mapToGlobal(QPoint(300, 10))),
                   [&] { return faceNow() == frown; });
        script.add(moveTo(destination), [&] { return faceNow() == (takes ? smile : frown); });
        script.add({"mouseup", b}, [] { return faceNow().isNull(); });
        STEP(play(script));
        QCOMPARE(offered, Qt::DropActions(Qt::MoveAction));
    }

    void dragToSlot(const QString& item, int index, int button = 1) {
        drag(item, centreOf(slot(index)), slot(index)->isEnabled(), button);
    }

  private slots:
    void init() {
        h_ = std::make_unique<PageHarness>();
        const QList<QWidget*> windows = BuyPage::open(h_->services);
        form1_ = windows[0];
        form2_ = windows[1];
        for (QWidget* w : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w, kPatience));
        }
    }

    void cleanup() {
        delete form1_.data();
        delete form2_.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h_.reset();
    }

    void dragItemsIntoSlotsAndRecord() {
        // No key chosen yet: the slots refuse, the face frowns over them too.
        STEP(showGroup(4));
        STEP(dragToSlot("Picture14", 0));
        QVERIFY(slot(0)->picture().isNull());

        in<QComboBox>(form2_, "List")->setCurrentIndex(0); // "F1"
        STEP(dragToSlot("Picture14", 0));
        QTRY_VERIFY_WITH_TIMEOUT(!slot(0)->picture().isNull(), kPatience);
        STEP(showGroup(6)); // equipment, and a right press starts a drag just as well
        STEP(dragToSlot("Picture24", 1, 3));
        STEP(dragToSlot("Picture29", 7));
        // Let go over the key window outside a slot: nothing changes.
        STEP(drag("Picture23", form2_->mapToGlobal(QPoint(218, 300)), false, 1));
        QTRY_VERIFY_WITH_TIMEOUT(!slot(7)->picture().isNull(), kPatience);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(slot(i)->picture().isNull(), i != 0 && i != 1 && i != 7);

        STEP(clickButton(form2_)); // record
        QTRY_COMPARE_WITH_TIMEOUT(h_->written(), goldenBytes("buy_example.cfg"), kPatience);
        STEP(clickButton(form1_)); // "Done"
        QTRY_COMPARE_WITH_TIMEOUT(h_->handedBack, 1, kPatience);
        QVERIFY(!form2_ || !form2_->isVisible());
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_example.cfg");
    }
};

int main(int argc, char** argv) {
    // No session bus under xvfb-run: without this, the X platform's attempt
    // to reach one leaves an allocation of libdbus behind, which the leak
    // checker of the sanitizer build reports.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        QStandardPaths::findExecutable("xdotool").isEmpty()) {
        qWarning("needs an X server (run under xvfb-run) and xdotool");
        return 1;
    }
    TestKeyCaptureX11 keys;
    TestBuyDragAndDrop drag;
    return QTest::qExec(&keys, argc, argv) | QTest::qExec(&drag, argc, argv);
}
#include "tst_x11.moc"
