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
constexpr int kEscape = 27;
constexpr int kShift = 16;
constexpr int kTab = 9;

int vk(char letter) {
    return letter - 'a' + 'A';
}

// A group with a record of every text change as it happened.
struct Fixture {
    RecordingSoundCue sound;
    KeyFieldGroup group{kFields, sound};
    QList<std::pair<int, QString>> textChanges;
    QList<int> focusRequests;
    QStringList shown;

    Fixture() {
        shown = QStringList(kFields, QString());
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

    QStringList texts() const {
        QStringList all;
        for (int i = 0; i < group.count(); ++i)
            all.append(group.text(i));
        return all;
    }
};

} // namespace

Q_DECLARE_METATYPE(KeyFieldState)

class TestKeyFields : public QObject {
    Q_OBJECT

  private slots:
    void allFieldsStartEmptyAndResting() {
        Fixture f;
        QCOMPARE(f.group.count(), 130);
        for (int i = 0; i < kFields; ++i) {
            QVERIFY(f.group.text(i).isEmpty());
            QVERIFY(!f.group.isEnabled(i));
            QCOMPARE(f.group.backColour(i), 0xC0C0FFu);
            QCOMPARE(f.group.state(i), KeyFieldState::Resting);
        }
        QVERIFY(f.sound.played.isEmpty());
    }

    void keyCaptureWalksTheCycle() {
        Fixture f;
        f.group.startCapture(12);
        QCOMPARE(f.group.state(12), KeyFieldState::Listening);
        QVERIFY(f.group.isEnabled(12));
        QCOMPARE(f.group.backColour(12), 0xFFC080u);
        QCOMPARE(f.focusRequests, QList<int>{12});
        QCOMPARE(f.sound.played, QList<int>{1});

        // The name shows while the key is down; no cue yet.
        f.group.keyDown(12, vk('e'));
        QCOMPARE(f.group.text(12), QStringLiteral("e"));
        QCOMPARE(f.group.state(12), KeyFieldState::Listening);
        QCOMPARE(f.sound.played, QList<int>{1});

        // The release locks; the colour stays until the focus leaves.
        f.group.keyUp(12);
        QCOMPARE(f.group.state(12), KeyFieldState::Captured);
        QCOMPARE(f.group.backColour(12), 0xFFC080u);
        QCOMPARE(f.sound.played, (QList<int>{1, 2}));

        f.group.focusLost(12);
        QCOMPARE(f.group.state(12), KeyFieldState::Resting);
        QCOMPARE(f.group.text(12), QStringLiteral("e"));
        QCOMPARE(f.sound.played, (QList<int>{1, 2, 2}));
    }

    void mouseCaptureLocksAtOnceWithOneCue_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << 1 << "Mouse1";
        QTest::newRow("right") << 2 << "Mouse2";
        QTest::newRow("middle") << 4 << "Mouse3";
    }
    void mouseCaptureLocksAtOnceWithOneCue() {
        QFETCH(int, button);
        QFETCH(QString, name);
        Fixture f;
        f.group.startCapture(0);
        f.group.mouseDown(0, button);
        QCOMPARE(f.group.text(0), name);
        QCOMPARE(f.group.state(0), KeyFieldState::Captured);
        QCOMPARE(f.sound.played, (QList<int>{1, 2}));
        // A locked field hears nothing more until the focus leaves it.
        f.group.mouseDown(0, 1);
        f.group.keyDown(0, vk('x'));
        f.group.keyUp(0);
        QCOMPARE(f.group.text(0), name);
        QCOMPARE(f.sound.played, (QList<int>{1, 2}));
        f.group.focusLost(0);
        QCOMPARE(f.group.state(0), KeyFieldState::Resting);
        QCOMPARE(f.sound.played, (QList<int>{1, 2, 2}));
    }

    void otherMouseButtonsChangeNothing() {
        Fixture f;
        f.group.startCapture(4);
        f.group.keyDown(4, vk('g'));
        for (int button : {0, 3, 5, 8, 16, -4})
            f.group.mouseDown(4, button);
        QCOMPARE(f.group.text(4), QStringLiteral("g"));
        QCOMPARE(f.group.state(4), KeyFieldState::Listening);
        QCOMPARE(f.sound.played, QList<int>{1});
    }

    void tabLocksAtOnce() {
        Fixture f;
        f.group.startCapture(7);
        f.group.keyDown(7, kTab);
        QCOMPARE(f.group.text(7), QStringLiteral("Tab"));
        QCOMPARE(f.group.state(7), KeyFieldState::Captured);
        QCOMPARE(f.sound.played, (QList<int>{1, 2}));
        f.group.keyUp(7); // the release meets a locked field
        QCOMPARE(f.sound.played, (QList<int>{1, 2}));
    }

    void keysWithoutANameEmptyTheField_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("escape") << kEscape;
        QTest::newRow("delete") << 46;
        QTest::newRow("caps lock") << 20;
        QTest::newRow("keypad point") << 110;
        QTest::newRow("unknown") << 255;
    }
    void keysWithoutANameEmptyTheField() {
        QFETCH(int, code);
        Fixture f;
        f.group.startCapture(30);
        f.group.keyDown(30, vk('k'));
        f.group.keyDown(30, code);
        QCOMPARE(f.group.text(30), QString());
        QCOMPARE(f.group.state(30), KeyFieldState::Listening);
        f.group.keyUp(30);
        QCOMPARE(f.group.text(30), QString());
        QCOMPARE(f.group.state(30), KeyFieldState::Captured);
    }

    void doubleClickEmptiesAHeldName() {
        Fixture f;
        f.capture(9, vk('e'));
        f.sound.played.clear();
        f.group.startCapture(9);
        QCOMPARE(f.group.text(9), QString());
        QCOMPARE(f.sound.played, QList<int>{1});
        // The focus leaves before any key: the field stays empty.
        f.group.focusLost(9);
        QCOMPARE(f.group.text(9), QString());
        QCOMPARE(f.group.state(9), KeyFieldState::Resting);
    }

    void lastPressBeforeTheReleaseWins() {
        Fixture f;
        f.capture(5, kShift);
        QCOMPARE(f.group.text(5), QStringLiteral("Shift"));
        f.group.startCapture(3);
        f.group.keyDown(3, kShift);
        // Shift's own press already took the name from field 5.
        QCOMPARE(f.group.text(5), QString());
        f.group.keyDown(3, vk('a'));
        f.group.keyUp(3);
        QCOMPARE(f.group.text(3), QStringLiteral("a"));
        QCOMPARE(f.group.text(5), QString());
        QCOMPARE(f.group.state(5), KeyFieldState::Resting);
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
        QCOMPARE(f.group.text(3), QStringLiteral("q"));
        QCOMPARE(f.group.text(70), QString());
        // Field 70 is emptied but keeps its own state.
        QCOMPARE(f.group.state(70), KeyFieldState::Captured);
        QCOMPARE(f.textChanges, (QList<std::pair<int, QString>>{{3, "q"}, {70, ""}}));
        QCOMPARE(f.texts().count(QStringLiteral("q")), 1);
    }

    void theSameNameAgainChangesNothing() {
        Fixture f;
        f.capture(3, vk('q'));
        f.capture(70, vk('z'));
        f.group.startCapture(3);
        f.group.keyDown(3, vk('q'));
        f.textChanges.clear();
        // Auto-repeat, or the page's own code, setting the text it holds.
        f.group.keyDown(3, vk('q'));
        f.group.setText(3, QStringLiteral("q"));
        QVERIFY(f.textChanges.isEmpty());
        QCOMPARE(f.group.text(70), QStringLiteral("z"));
    }

    void everyNameStaysInOneField() {
        Fixture f;
        // A long run of captures that keeps reusing a few names.
        const char names[] = "abcabcqq";
        for (int step = 0; step < 40; ++step) {
            const int field = (step * 37) % kFields;
            f.capture(field, vk(names[step % 8]));
            const QStringList texts = f.texts();
            for (const QString& name : texts) {
                if (!name.isEmpty())
                    QCOMPARE(texts.count(name), 1);
            }
            QCOMPARE(f.group.text(field), QString(QLatin1Char(names[step % 8])));
        }
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
        QCOMPARE(f.textChanges, (QList<std::pair<int, QString>>{
                                    {3, "k"}, {100, ""}, {120, "k"}, {3, ""}, {120, ""}}));
        QCOMPARE(f.texts().count(QStringLiteral("k")), 0);
    }

    void focusLossAlwaysLocksAndCues() {
        Fixture f;
        f.group.focusLost(40); // already locked and resting
        QCOMPARE(f.sound.played, QList<int>{2});
        QCOMPARE(f.group.state(40), KeyFieldState::Resting);
        f.group.startCapture(40);
        f.group.focusLost(40); // straight from listening
        QCOMPARE(f.group.state(40), KeyFieldState::Resting);
        QCOMPARE(f.sound.played, (QList<int>{2, 1, 2}));
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
            QCOMPARE(f.group.text(i), QString());
            QCOMPARE(f.group.state(i), KeyFieldState::Resting);
        }
        QVERIFY(f.sound.played.isEmpty());
        QVERIFY(f.focusRequests.isEmpty());
        QVERIFY(f.textChanges.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKeyFields)
#include "tst_keyfields.moc"
