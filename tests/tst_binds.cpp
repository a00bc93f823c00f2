// Key names and the way key events reach them; the key fields' capture cycle
// and the rule that keeps a name in one field, through the logic alone; the
// command page through widget events, scrolling, and the section it writes.
#include "binds/CommandPage.h"
#include "binds/CommandRows.h"
#include "binds/KeyField.h"
#include "binds/KeyFieldGroup.h"
#include "binds/KeyNames.h"
#include "binds/VirtualKeys.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSpontaneKeyEvent>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Qt's keys for Russian letters are their upper-case code points.
constexpr int kCyrillicShortI = 0x419; // Й, on the key of Q
constexpr int kCyrillicHa = 0x425;     // Х, on the key of [
constexpr int kCyrillicEf = 0x424;     // Ф, on the key of A

// The console names of key_names.txt by code.
QHash<int, QString> expectedNames() {
    QHash<int, QString> names;
    for (const QString& line : QString::fromUtf8(goldenBytes("key_names.txt")).split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            names.insert(line.section('\t', 0, 0).toInt(), line.section('\t', 1));
    }
    return names;
}

constexpr int kFields = 130;

using Changes = QList<std::pair<int, QString>>;

// A group with a record of every text change as it happened.
struct Fixture {
    RecordingSoundCue sound;
    KeyFieldGroup group{kFields, sound};
    Changes textChanges;
    QList<int> focusRequests;
    QStringList shown = QStringList(kFields, QString());

    Fixture() {
        group.changed = [this](int i) {
            if (shown[i] != group.text(i))
                textChanges.append({i, group.text(i)});
            shown[i] = group.text(i);
        };
        group.focusRequested = [this](int i) { focusRequests.append(i); };
    }

    void capture(int i, int virtualKey) {
        group.startCapture(i);
        group.keyDown(i, virtualKey);
        group.keyUp(i);
        group.focusLost(i);
    }

    // Field i as the player sees it (text, state, lock, back colour), and
    // every cue played so far.
    QString seen(int i) const {
        static const char* const states[] = {"resting", "listening", "captured"};
        return QStringLiteral("'%1' %2 %3 %4 cues %5")
            .arg(group.text(i), states[int(group.state(i))],
                 group.isEnabled(i) ? "unlocked" : "locked")
            .arg(group.backColour(i), 6, 16, QLatin1Char('0'))
            .arg(sound.ids());
    }
};

} // namespace

class TestKeyFields : public QObject {
    Q_OBJECT

  private slots:
    // Every code 0..255 and a few outside: the lists differ at the first wrong
    // code. With the mouse's five buttons and its wheel they make the names
    // a field can show.
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
        for (auto b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::XButton1,
                       Qt::XButton2, Qt::ExtraButton3})
            buttons << mouseButtonName(mouseButtonCode(b));
        QCOMPARE(buttons.join(' '), "Mouse1 Mouse2 Mouse3 MOUSE4 MOUSE5 ");
    }

    // Without a keycode Qt's key and keypad flag decide, shifted US symbols
    // giving their unshifted key; with one the physical key wins. Shift never
    // changes a name. Windows' own virtual key passes through.
    void byKey() {
        // clang-format off
        const struct { int keycode; int qtKey; bool keypad; const char* name; } cases[] = {
            {24, kCyrillicShortI, 0, "q"}, {34, kCyrillicHa, 0, "["}, {10, Qt::Key_Exclam, 0, "1"},
            {91, Qt::Key_Comma, 1, ""}, {90, Qt::Key_Insert, 1, "Insert"}, {90, Qt::Key_0, 1, "Num 0"},
            {700, 0, 0, ""}, {0, Qt::Key_Q, 0, "q"}, {0, Qt::Key_F12, 0, "F12"},
            {0, Qt::Key_Exclam, 0, "1"}, {0, Qt::Key_Bar, 0, "\\"}, {0, Qt::Key_Backtab, 0, "Tab"},
            {0, Qt::Key_Enter, 1, "Enter"}, {0, Qt::Key_5, 1, "Num 5"}, {0, Qt::Key_Minus, 0, "-"},
            {0, Qt::Key_Minus, 1, "Num -"}, {0, Qt::Key_Period, 1, ""}, {0, Qt::Key_Home, 1, "Home"},
            {0, kCyrillicEf, 0, ""}, {0, 0, 0, ""},
        };
        // clang-format on
        for (const auto& c : cases) {
            const Qt::KeyboardModifiers mods = c.keypad ? Qt::KeypadModifier : Qt::NoModifier;
            const NativeKeys native = c.keycode ? NativeKeys::XkbKeycode : NativeKeys::None;
            for (auto shift : {Qt::NoModifier, Qt::ShiftModifier})
                QVERIFY2(keyName(virtualKeyOf({quint32(c.keycode), 0, c.qtKey, mods | shift},
                                              native)) == c.name,
                         c.name);
        }
        auto win = [](quint32 vk, int qtKey) {
            return keyName(virtualKeyOf(KeyStroke{30, vk, qtKey, {}}, NativeKeys::WindowsVk));
        };
        QCOMPARE(win(65, kCyrillicEf) + win(0, Qt::Key_B) + win(70000, Qt::Key_C), "abc");
    }

    // The scenarios of key_fields.txt.
    void keyFieldScripts() {
        std::unique_ptr<Fixture> f;
        for (const QString& line : QString::fromUtf8(goldenBytes("key_fields.txt")).split('\n')) {
            if (line.isEmpty() || line.startsWith('#')) {
                f.reset();
                continue;
            }
            if (!f)
                f = std::make_unique<Fixture>();
            const QString action = line.section(' ', 0, 0), arg = line.section(' ', 2);
            const int i = line.section(' ', 1, 1).toInt();
            const int key =
                arg.size() == 1 && arg[0].isLetter() ? arg[0].toUpper().unicode() : arg.toInt();
            QStringList changes;
            for (const auto& [field, text] : f->textChanges)
                changes << QStringLiteral("%1:%2").arg(field).arg(text);
            const QMap<QString, std::function<void()>> actions = {
                {"start", [&] { f->group.startCapture(i); }},
                {"down", [&] { f->group.keyDown(i, key); }},
                {"up", [&] { f->group.keyUp(i); }},
                {"mouse", [&] { f->group.mouseDown(i, arg.toInt()); }},
                {"wheel", [&] { f->group.wheel(i, arg.toInt()); }},
                {"lost", [&] { f->group.focusLost(i); }},
                {"set", [&] { f->group.setText(i, arg); }},
                {"capture", [&] { f->capture(i, key); }},
                {"clear", [&] { f->textChanges.clear(); }}};
            if (actions.contains(action))
                actions[action]();
            else if (action == "seen")
                QVERIFY2(f->seen(i) == arg, qPrintable(line + " but " + f->seen(i)));
            else if (action == "changes")
                QVERIFY2(changes.join(' ') == line.section(' ', 1),
                         qPrintable(line + " but " + changes.join(' ')));
            else
                QVERIFY2(action == "focus" && f->focusRequests == QList<int>{i}, qPrintable(line));
        }
    }

    // A change made inside another runs to its end before the outer scan goes
    // on from its place: the page's own code answers the clearing of field 100
    // with "k" in field 120, which empties field 3; the outer scan then meets
    // field 120 and empties it too.
    void reentrantChangesKeepTheirPlace() {
        Fixture f;
        f.capture(100, 'K');
        auto record = f.group.changed;
        f.group.changed = [&](int i) {
            record(i);
            if (i == 100 && f.group.text(100).isEmpty())
                f.group.setText(120, QStringLiteral("k"));
        };
        f.textChanges.clear();
        f.group.startCapture(3);
        f.group.keyDown(3, 'K');
        QCOMPARE(f.textChanges, (Changes{{3, "k"}, {100, ""}, {120, "k"}, {3, ""}, {120, ""}}));
    }
};

class TestCommandPage : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> harness_;
    QPointer<CommandPage> page_;

    template <typename T = QWidget> T* child(const QString& name) {
        return page_->findChild<T*>(name);
    }
    KeyField* field(int i) { return child<KeyField>(QStringLiteral("Text1_%1").arg(i)); }
    QWidget* target(int i) { return child(QStringLiteral("Label1_%1").arg(i)); }
    QWidget* panel() { return child(QStringLiteral("img")); }
    QScrollBar* scrollBar() { return child<QScrollBar>(QStringLiteral("V")); }
    // Field i's text and state, and every cue so far.
    QString seen(int i) {
        return field(i)->text() + " " + QString::number(int(page_->fields().state(i))) + " " +
               harness_->sound.ids();
    }

    // A double-click as the window system delivers it: press, release, and
    // the second press as a double-click.
    void listen(int i) {
        QTest::mouseClick(target(i), Qt::LeftButton);
        QTest::mouseDClick(target(i), Qt::LeftButton);
    }
    void captureKey(int i, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        listen(i);
        QTest::keyClick(field(i), key, mods);
    }
    void clickDone() {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    }
    // Wheel events ("x/y" angles, "/i" inverted, "/b" "/u" "/e" "/m" the
    // phases) as the window system hands them to the page, over a widget.
    void turn(QWidget* over, const QString& events) {
        for (const QString& event : events.split(' ')) {
            const QStringList p = event.split('/');
            const QPointF at = over->mapTo(page_, over->rect().center());
            const int phase = int(QString("-buem").indexOf(p.value(2)));
            QWheelEvent wheel(at, page_->mapToGlobal(at), {}, {p[0].toInt(), p[1].toInt()}, {}, {},
                              Qt::ScrollPhase(std::max(0, phase)), p.value(2) == "i");
            QSpontaneKeyEvent::setSpontaneous(&wheel);
            qApp->notify(page_->windowHandle(), &wheel);
        }
    }

  private slots:
    void init() {
        harness_ = std::make_unique<PageHarness>();
        page_ = new CommandPage(harness_->services);
        page_->show();
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_, kPatience));
    }
    void cleanup() {
        delete page_;
        harness_.reset();
    }

    // The scroll bar's range and steps; scrolling to the maximum shows the
    // whole aliases group, and only then.
    void scrolling() {
        QScrollBar* bar = scrollBar();
        QCOMPARE((QList<int>{bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
                 (QList<int>{0, 15685, 500, 1000}));
        QWidget* viewport = child(QStringLiteral("Picture1"));
        auto shown = [&](QWidget* w) {
            return viewport->rect().contains(QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()));
        };
        QVERIFY(shown(field(0)) && !shown(field(110)));
        scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(panel()->y(), -1046);
        for (int row = 55; row < 65; ++row) {
            QVERIFY(shown(child(QStringLiteral("KeyLab_%1").arg(row))));
            QVERIFY(shown(field(row + 55)) && shown(field(row + 65)));
        }
        QVERIFY(!shown(field(0)));
    }

    // A button locks at once and the field lets clicks through: the second
    // press of a quick double-click reaches the target behind and does not
    // listen again; a whole double-click on the locked field does.
    void mouseCaptureLocksAtOnce() {
        listen(6);
        QTest::mousePress(field(6), Qt::MiddleButton);
        QCOMPARE(seen(6), QStringLiteral("Mouse3 2 1 2"));
        QVERIFY(field(6)->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseRelease(field(6), Qt::MiddleButton);
        QTest::mouseDClick(target(6), Qt::LeftButton);
        QCOMPARE(seen(6), QStringLiteral("Mouse3 2 1 2"));
        listen(6);
        QCOMPARE(seen(6), QStringLiteral(" 1 1 2 1"));
    }

    // The wheel over a listening field, or anywhere over the page while one
    // listens, names the first turn up or down and no more; the rest of a
    // fine wheel's notch or of a touchpad's gesture is dropped, what comes
    // after scrolls the rows. Nobody listening, the wheel scrolls them.
    void wheel_data() {
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("shown"); // field 15 and the cues, the scrolling's sign
        const char* rows[][4] = {
            {"a notch away", "Text1_15", "0/120", "MWHEELUP 2 1 2 0"},
            {"a notch towards, then one", "Text1_15", "0/-120 0/-120", "MWHEELDOWN 2 1 2 1"},
            {"inverted by the system", "Text1_15", "0/120/i", "MWHEELDOWN 2 1 2 0"},
            {"sideways", "Text1_15", "120/0 -120/0", " 1 1 0"},
            {"over the scroll bar, a fine wheel", "V", "-60/0 0/40 0/40 0/40 0/40",
             "MWHEELUP 2 1 2 -1"},
            {"a fine wheel turned back", "Text1_16", "0/-15 0/15", "MWHEELDOWN 2 1 2 -1"},
            {"a gesture, its momentum, the next", "Text1_15",
             "0/0/b 0/-8/u 0/-300/u 0/0/e 0/-50/m 0/0/e 0/0/b 0/-120/u 0/0/e",
             "MWHEELDOWN 2 1 2 1"},
            {"over a header", "Label2", "0/-120 0/-120", "MWHEELDOWN 2 1 2 0"},
            {"nobody listening", "Text1_15", "0/-120", " 0  1"},
            {"nobody listening, over the scroll bar", "V", "0/120", " 0  -1"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[1] << r[2] << r[3];
    }
    void wheel() {
        QFETCH(QString, over);
        QFETCH(QString, events);
        QFETCH(QString, shown);
        scrollBar()->setValue(5000);
        if (shown.section(' ', 1, 1) != "0") // a field at rest never listened
            listen(15);
        turn(child(over), events);
        const int moved = scrollBar()->value() - 5000;
        QCOMPARE(seen(15) + QString(" %1").arg((moved > 0) - (moved < 0)), shown);
    }

    // The side buttons and the wheel lock at once with their cue, a name
    // moves to the field that takes it last, and each is a bind line.
    void wheelAndSideButtonsWriteBindLines() {
        listen(15), turn(field(15), "0/-120");
        listen(3), turn(field(3), "0/120");
        listen(48), QTest::mousePress(field(48), Qt::BackButton);
        listen(49), QTest::mousePress(field(49), Qt::ForwardButton);
        listen(70), turn(field(70), "0/-20");
        QCOMPARE(seen(70), "MWHEELDOWN 2 1 2 2 1 2 2 1 2 2 1 2 2 1 2");
        clickDone();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_wheel.cfg");
    }

    void anyCloseWritesTheSectionOnce() {
        page_->close();
        page_->close();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_empty.cfg");
        QCOMPARE(harness_->handedBack, 1);
    }

    void linesFollowFieldIndexNotRow() {
        captureKey(57, Qt::Key_Space); // row 2, alternate
        QTest::mouseClick(target(57), Qt::LeftButton);
        QTest::mouseDClick(target(57), Qt::LeftButton);
        QTest::mouseClick(field(57), Qt::MiddleButton);
        captureKey(2, Qt::Key_R);
        captureKey(30, Qt::Key_0);
        captureKey(55, Qt::Key_Space); // row 0, alternate
        captureKey(1, Qt::Key_E);      // row 1, Key
        clickDone();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_order.cfg");
    }

    void everyRowWritesItsCommand() {
        QList<std::pair<int, Qt::KeyboardModifiers>> keys;
        auto add = [&](int first, int last, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            for (int k = first; k <= last; ++k)
                keys.append({k, mods});
        };
        add(Qt::Key_A, Qt::Key_Z), add(Qt::Key_0, Qt::Key_9), add(Qt::Key_F1, Qt::Key_F12);
        add(Qt::Key_0, Qt::Key_9, Qt::KeypadModifier);
        for (int k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Home, Qt::Key_End, Qt::Key_Insert,
                      Qt::Key_Pause, Qt::Key_Backspace})
            add(k, k);
        QCOMPARE(keys.size(), commands::kRowCount);
        for (int row = 0; row < commands::kRowCount; ++row)
            captureKey(commands::keyField(row), Qt::Key(keys[row].first), keys[row].second);
        clickDone();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_all_rows.cfg");
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestKeyFields fields;
    TestCommandPage page;
    return QTest::qExec(&fields, argc, argv) | QTest::qExec(&page, argc, argv);
}
#include "tst_binds.moc"
