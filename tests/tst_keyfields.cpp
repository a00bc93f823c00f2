// The capture cycle of the key fields, their cues and the rule that keeps a
// key name in one field only, driven through the logic alone.
#include "binds/KeyFieldGroup.h"
#include "tests/support/Fakes.h"

#include <QtTest>

#include <utility>

using namespace quelmar;
using namespace quelmar::test;

namespace {

constexpr int kFields = 130;
constexpr int kShift = 16;
constexpr int kTab = 9;

int vk(char letter) {
    return letter - 'a' + 'A';
}

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

    // A whole key capture: double-click, press, release, focus moves on.
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
        QStringList cues;
        for (int cue : sound.played)
            cues << QString::number(cue);
        return QStringLiteral("'%1' %2 %3 %4 cues %5")
            .arg(group.text(i), states[int(group.state(i))],
                 group.isEnabled(i) ? "unlocked" : "locked")
            .arg(group.backColour(i), 6, 16, QLatin1Char('0'))
            .arg(cues.join(' '));
    }
};

} // namespace

class TestKeyFields : public QObject {
    Q_OBJECT

  private slots:
    void keyCaptureWalksTheCycle() {
        Fixture f;
        QCOMPARE(f.group.count(), 130);
        for (int i = 0; i < kFields; ++i)
            QCOMPARE(f.seen(i), "'' resting locked c0c0ff cues ");
        f.group.startCapture(12);
        QCOMPARE(f.seen(12), "'' listening unlocked ffc080 cues 1");
        QCOMPARE(f.focusRequests, QList<int>{12});
        // The name shows while the key is down; no cue yet.
        f.group.keyDown(12, vk('e'));
        QCOMPARE(f.seen(12), "'e' listening unlocked ffc080 cues 1");
        // The release locks; the colour stays until the focus leaves.
        f.group.keyUp(12);
        QCOMPARE(f.seen(12), "'e' captured locked ffc080 cues 1 2");
        f.group.focusLost(12);
        QCOMPARE(f.seen(12), "'e' resting locked c0c0ff cues 1 2 2");
        // A double-click empties a held name; leaving before any key keeps it empty.
        f.group.startCapture(12);
        QCOMPARE(f.seen(12), "'' listening unlocked ffc080 cues 1 2 2 1");
        f.group.focusLost(12);
        QCOMPARE(f.seen(12), "'' resting locked c0c0ff cues 1 2 2 1 2");
        f.group.focusLost(12); // already resting: still locks with its cue
        QCOMPARE(f.seen(12), "'' resting locked c0c0ff cues 1 2 2 1 2 2");
    }

    // Mouse buttons and Tab lock at once with one cue: no release follows.
    // Other buttons have no name and change nothing.
    void mouseAndTabLockAtOnce_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << 1 << 0 << "Mouse1";
        QTest::newRow("right") << 2 << 0 << "Mouse2";
        QTest::newRow("middle") << 4 << 0 << "Mouse3";
        QTest::newRow("tab") << 0 << kTab << "Tab";
    }
    void mouseAndTabLockAtOnce() {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(QString, name);
        Fixture f;
        f.group.startCapture(0);
        f.group.keyDown(0, vk('g'));
        for (int other : {0, 3, 5, 8, 16, -4})
            f.group.mouseDown(0, other);
        QCOMPARE(f.seen(0), "'g' listening unlocked ffc080 cues 1");
        key ? f.group.keyDown(0, key) : f.group.mouseDown(0, button);
        QCOMPARE(f.seen(0), "'" + name + "' captured locked ffc080 cues 1 2");
        // A locked field hears nothing more until the focus leaves it.
        f.group.mouseDown(0, 1);
        f.group.keyDown(0, vk('x'));
        f.group.keyUp(0);
        QCOMPARE(f.seen(0), "'" + name + "' captured locked ffc080 cues 1 2");
        f.group.focusLost(0);
        QCOMPARE(f.seen(0), "'" + name + "' resting locked c0c0ff cues 1 2 2");
    }

    // Escape, Delete, Caps Lock, the keypad point, an unknown key.
    void keysWithoutANameEmptyTheField_data() {
        QTest::addColumn<int>("code");
        for (int code : {27, 46, 20, 110, 255})
            QTest::addRow("%d", code) << code;
    }
    void keysWithoutANameEmptyTheField() {
        QFETCH(int, code);
        Fixture f;
        f.group.startCapture(30);
        f.group.keyDown(30, vk('k'));
        f.group.keyDown(30, code);
        QCOMPARE(f.seen(30), "'' listening unlocked ffc080 cues 1");
        f.group.keyUp(30);
        QCOMPARE(f.seen(30), "'' captured locked ffc080 cues 1 2");
    }

    void shiftThenALastPressWins() {
        Fixture f;
        f.capture(5, kShift);
        f.group.startCapture(3);
        f.group.keyDown(3, kShift); // Shift's own press takes the name from field 5
        f.group.keyDown(3, vk('a'));
        f.group.keyUp(3);
        QCOMPARE(f.textChanges, (Changes{{5, "Shift"}, {3, "Shift"}, {5, ""}, {3, "a"}}));
        QCOMPARE(f.seen(5), "'' resting locked c0c0ff cues 1 2 2 1 2");
    }

    void aNameMovesToTheNewerField() {
        Fixture f;
        f.capture(70, vk('q'));
        f.group.startCapture(70);
        f.group.keyDown(70, vk('q'));
        f.group.keyUp(70); // field 70 holds "q" and waits, captured
        f.textChanges.clear();
        f.group.startCapture(3);
        f.group.keyDown(3, vk('q'));
        // Field 70 is emptied but keeps its own state.
        QCOMPARE(f.textChanges, (Changes{{3, "q"}, {70, ""}}));
        QCOMPARE(f.group.state(70), KeyFieldState::Captured);
        // The same name again, by auto-repeat or the page's own code, changes nothing.
        f.textChanges.clear();
        f.group.keyDown(3, vk('q'));
        f.group.setText(3, QStringLiteral("q"));
        QVERIFY(f.textChanges.isEmpty());
    }

    // A change made from inside another change runs to its end before the
    // outer scan goes on from its own place. Here the page's own code answers
    // the clearing of field 100 by writing "k" into field 120: that run
    // empties field 3, and the outer run, still looking for "k", then meets
    // field 120 and empties it too.
    void reentrantChangesKeepTheirPlace() {
        Fixture f;
        f.capture(100, vk('k'));
        auto record = f.group.changed;
        f.group.changed = [&](int i) {
            record(i);
            if (i == 100 && f.group.text(100).isEmpty())
                f.group.setText(120, QStringLiteral("k"));
        };
        f.textChanges.clear();
        f.group.startCapture(3);
        f.group.keyDown(3, vk('k'));
        QCOMPARE(f.textChanges, (Changes{{3, "k"}, {100, ""}, {120, "k"}, {3, ""}, {120, ""}}));
    }

    void indicesOutsideTheGroupAreDropped() {
        Fixture f;
        for (int i : {-1, 130, 1000}) {
            f.group.startCapture(i);
            f.group.keyDown(i, vk('a'));
            f.group.keyUp(i);
            f.group.mouseDown(i, 1);
            f.group.focusLost(i);
            f.group.setText(i, QStringLiteral("a"));
            QCOMPARE(f.seen(i), "'' resting locked c0c0ff cues ");
        }
        QVERIFY(f.focusRequests.isEmpty() && f.textChanges.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKeyFields)
#include "tst_keyfields.moc"
