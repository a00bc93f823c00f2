// The command page: its layout by object name, key capture through real
// widget events, scrolling, and the section it writes when it closes.
#include "app/PageCatalog.h"
#include "binds/CommandPage.h"
#include "binds/CommandRows.h"
#include "binds/KeyField.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace quelmar;
using namespace quelmar::test;

namespace {

const QColor kRest(192, 192, 255);
const QColor kListening(255, 192, 128);

// The first row of each group, in the order the groups stand on the panel,
// and its top in the panel: rows are 24 pixels apart.
const QList<std::pair<int, int>> kGroupTops{{0, 0},     {8, 190},   {25, 600},
                                            {48, 1008}, {42, 1176}, {55, 1320}};

} // namespace

class TestCommandPage : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> harness_;
    QPointer<CommandPage> page_;

    template <typename T = QWidget> T* child(const QString& name) {
        T* found = page_->findChild<T*>(name);
        if (!found)
            qWarning("no child %s", qPrintable(name));
        return found;
    }
    KeyField* field(int i) { return child<KeyField>(QStringLiteral("Text1_%1").arg(i)); }
    QWidget* target(int i) { return child(QStringLiteral("Label1_%1").arg(i)); }
    QWidget* panel() { return child(QStringLiteral("img")); }
    QScrollBar* scrollBar() { return child<QScrollBar>(QStringLiteral("V")); }
    const KeyFieldGroup& group() { return page_->fields(); }
    QList<int>& cues() { return harness_->sound.played; }

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
    QColor backOf(int i) { return field(i)->palette().color(QPalette::Window); }

  private slots:
    void init() {
        harness_ = std::make_unique<PageHarness>();
        page_ = new CommandPage(harness_->services);
        page_->show();
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_));
    }
    void cleanup() {
        delete page_;
        harness_.reset();
    }

    void theMenuEntryOpensThisPage() {
        const QList<QWidget*> pages = openProgramPage("Command2", harness_->services);
        QVERIFY(pages.size() == 1 && qobject_cast<CommandPage*>(pages[0]));
        QCOMPARE(pages[0]->objectName(), QStringLiteral("Set1"));
        delete pages[0];
    }

    // A compact look at the window: size, a few key controls, the scroll
    // bar's range and steps, where each group stands, and a caption.
    void windowAndKeyControls() {
        QCOMPARE(page_->size(), QSize(490, 570));
        QCOMPARE(child<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("Done"));
        QCOMPARE(child<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("Altenate"));
        QCOMPARE(panel()->geometry(), QRect(16, 0, 441, 1567));
        QScrollBar* bar = scrollBar();
        QCOMPARE((QList<int>{bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
                 (QList<int>{0, 15685, 500, 1000}));
        for (const auto& [row, top] : kGroupTops) {
            const int key = row < 55 ? row : row + 55;
            const int altenate = row < 55 ? row + 55 : row + 65;
            QCOMPARE(child(QStringLiteral("KeyLab_%1").arg(row))->mapTo(panel(), QPoint()),
                     QPoint(8, top));
            QCOMPARE(field(key)->mapTo(panel(), QPoint()), QPoint(232, top));
            QCOMPARE(field(altenate)->mapTo(panel(), QPoint()), QPoint(336, top));
        }
        QCOMPARE(child<QLabel>(QStringLiteral("KeyLab_64"))->text(),
                 QStringLiteral("Время раунда (остаток)"));
    }

    // Scrolling to the maximum shows the whole aliases group, and only then.
    void theMaximumShowsTheAliases() {
        QWidget* viewport = child(QStringLiteral("Picture1"));
        auto shown = [&](QWidget* w) {
            return viewport->rect().contains(QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()));
        };
        QVERIFY(shown(field(0)) && !shown(field(110)));
        scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(panel()->y(), -100);
        scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(panel()->y(), -1046);
        for (int row = 55; row < 65; ++row) {
            QVERIFY(shown(child(QStringLiteral("KeyLab_%1").arg(row))));
            QVERIFY(shown(field(row + 55)) && shown(field(row + 65)));
        }
        QVERIFY(!shown(field(0)));
    }

    void keyCaptureCuesAndColours() {
        listen(5);
        QCOMPARE(backOf(5), kListening);
        QCOMPARE(page_->focusWidget(), field(5));
        QTest::keyPress(field(5), Qt::Key_A);
        QCOMPARE(field(5)->text(), QStringLiteral("a"));
        QCOMPARE(cues(), QList<int>{1});
        QTest::keyRelease(field(5), Qt::Key_A);
        QCOMPARE(group().state(5), KeyFieldState::Captured);
        QCOMPARE(backOf(5), kListening);
        QCOMPARE(cues(), (QList<int>{1, 2}));
        // Done takes the focus: the field rests, with the last cue.
        clickDone();
        QCOMPARE(cues(), (QList<int>{1, 2, 2}));
        QCOMPARE(harness_->written(),
                 crlfLines({"", "// [ Commands ] ", "bind \"a\" \"lastinv\""}));
    }

    void mouseCaptureLocksAtOnce() {
        listen(6);
        QTest::mousePress(field(6), Qt::MiddleButton);
        QCOMPARE(field(6)->text(), QStringLiteral("Mouse3"));
        QCOMPARE(group().state(6), KeyFieldState::Captured);
        QVERIFY(field(6)->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseRelease(field(6), Qt::MiddleButton);
        // The second press of a quick double-click falls through to the
        // target behind: it does not start listening again.
        QTest::mouseDClick(target(6), Qt::LeftButton);
        QCOMPARE(field(6)->text(), QStringLiteral("Mouse3"));
        QCOMPARE(cues(), (QList<int>{1, 2}));
        // A whole double-click on the locked field does.
        listen(6);
        QVERIFY(field(6)->text().isEmpty());
        QCOMPARE(group().state(6), KeyFieldState::Listening);
        QCOMPARE(cues(), (QList<int>{1, 2, 1}));
    }

    void tabIsCapturedNotFollowed() {
        listen(10);
        QTest::keyClick(field(10), Qt::Key_Tab);
        QCOMPARE(field(10)->text(), QStringLiteral("Tab"));
        QCOMPARE(group().state(10), KeyFieldState::Captured);
        QCOMPARE(page_->focusWidget(), field(10));
        QCOMPARE(cues(), (QList<int>{1, 2}));
    }

    void aNameMovesFromField70ToField3() {
        captureKey(70, Qt::Key_Q);
        captureKey(3, Qt::Key_Q);
        QCOMPARE(field(3)->text(), QStringLiteral("q"));
        QVERIFY(field(70)->text().isEmpty());
        // Field 70 lost the focus to field 3 and rests.
        QCOMPARE(backOf(70), kRest);
        QCOMPARE(cues(), (QList<int>{1, 2, 2, 1, 2}));
    }

    void theExampleSection() {
        listen(0);
        QTest::mouseClick(field(0), Qt::LeftButton);
        captureKey(70, Qt::Key_PageUp);
        captureKey(111, Qt::Key_K);
        captureKey(128, Qt::Key_Pause);
        QCOMPARE(harness_->written(), QByteArray());
        clickDone();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_example.cfg");
        QCOMPARE(harness_->menu.returned, QStringList{"Command2"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(page_.isNull());
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_example.cfg");
    }

    void anyCloseWritesTheSectionOnce() {
        page_->close();
        page_->close();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_empty.cfg");
    }

    void linesFollowFieldIndexNotRow() {
        captureKey(57, Qt::Key_Space); // row 2, Altenate
        QTest::mouseClick(target(57), Qt::LeftButton);
        QTest::mouseDClick(target(57), Qt::LeftButton);
        QTest::mouseClick(field(57), Qt::MiddleButton);
        captureKey(2, Qt::Key_R);
        captureKey(30, Qt::Key_0);
        captureKey(55, Qt::Key_Space); // row 0, Altenate
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

QTEST_MAIN(TestCommandPage)
#include "tst_commandpage.moc"
