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
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using namespace quelmar;
using namespace quelmar::test;

namespace {

const QColor kRest(192, 192, 255);
const QColor kListening(255, 192, 128);

struct GroupTop {
    int firstRow;
    int lastRow;
    int topPixels; // in the content panel
};

const GroupTop kGroupTops[] = {{0, 7, 0},      {8, 24, 190},   {25, 41, 600},
                               {48, 54, 1008}, {42, 47, 1176}, {55, 64, 1320}};

int panelTopOfRow(int row) {
    for (const GroupTop& group : kGroupTops) {
        if (row >= group.firstRow && row <= group.lastRow)
            return group.topPixels + (row - group.firstRow) * 24;
    }
    return -1;
}

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
        const QList<QWidget*> pages =
            openProgramPage(QStringLiteral("Command2"), harness_->services);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0]->objectName(), QStringLiteral("Set1"));
        QVERIFY(qobject_cast<CommandPage*>(pages[0]));
        delete pages[0];
    }

    void windowAndFixedParts() {
        QCOMPARE(page_->objectName(), QStringLiteral("Set1"));
        QCOMPARE(page_->size(), QSize(490, 570));
        QVERIFY(page_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(child(QStringLiteral("Shape1"))->geometry(), QRect(1, 1, 488, 568));
        auto* done = child<QPushButton>(QStringLiteral("Command2"));
        QCOMPARE(done->text(), QStringLiteral("Done"));
        QCOMPARE(done->geometry(), QRect(8, 8, 41, 19));
        QVERIFY(done->font().bold());
        QCOMPARE(child(QStringLiteral("Picture1"))->geometry(), QRect(8, 32, 457, 529));
        QCOMPARE(panel()->geometry(), QRect(16, 0, 441, 1567));
        QCOMPARE(scrollBar()->geometry(), QRect(464, 40, 17, 521));
        QCOMPARE(scrollBar()->minimum(), 0);
        QCOMPARE(scrollBar()->maximum(), 15685);
        QCOMPARE(scrollBar()->singleStep(), 500);
        QCOMPARE(scrollBar()->pageStep(), 1000);
        QCOMPARE(scrollBar()->value(), 0);
    }

    void columnHeaders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("left");
        QTest::newRow("Action") << "Label10"
                                << "Action" << 72;
        QTest::newRow("Key") << "Label2"
                             << "Key" << 267;
        QTest::newRow("Altenate") << "Label3"
                                  << "Altenate" << 363;
    }
    void columnHeaders() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, left);
        auto* header = child<QLabel>(name);
        QCOMPARE(header->text(), text);
        QCOMPARE(header->pos(), QPoint(left, 0));
        QVERIFY(header->font().bold());
        QCOMPARE(header->font().pixelSize(), 19);
        QCOMPARE(header->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    }

    void rowsStandInTheirGroups_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < commands::kRowCount; ++row)
            QTest::addRow("row %d", row) << row;
    }
    void rowsStandInTheirGroups() {
        QFETCH(int, row);
        const int top = panelTopOfRow(row);
        auto* caption = child<QLabel>(QStringLiteral("KeyLab_%1").arg(row));
        QCOMPARE(caption->mapTo(panel(), QPoint(0, 0)), QPoint(8, top));
        QCOMPARE(caption->font().bold(), row < 55);
        QCOMPARE(caption->font().pixelSize(), row < 55 ? 17 : 16);
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 128, 0));

        const int key = row < 55 ? row : row + 55;
        const int altenate = row < 55 ? row + 55 : row + 65;
        QCOMPARE(field(key)->mapTo(panel(), QPoint(0, 0)), QPoint(8 + 224, top));
        QCOMPARE(field(altenate)->mapTo(panel(), QPoint(0, 0)), QPoint(8 + 328, top));
        for (int i : {key, altenate}) {
            QCOMPARE(field(i)->size(), QSize(79, 27));
            QCOMPARE(target(i)->geometry(), QRect(field(i)->pos(), QSize(79, 25)));
            QVERIFY(field(i)->text().isEmpty());
            QCOMPARE(backOf(i), kRest);
            QCOMPARE(field(i)->focusPolicy(), Qt::NoFocus);
            QCOMPARE(field(i)->alignment(), Qt::AlignCenter);
            QCOMPARE(field(i)->palette().color(QPalette::WindowText), QColor(192, 0, 0));
            QVERIFY(field(i)->font().bold());
            QCOMPARE(field(i)->font().pixelSize(), 13);
        }
    }

    void captionsAsThePlayerReadsThem() {
        const QStringList expected{"Fire",
                                   "Weapon Special Function",
                                   "Use voice commanication",
                                   "Team chat message",
                                   "Остановить звук",
                                   "Двойной/одинарный прицел",
                                   "Сменить цвет прицела",
                                   "Увел. громкость",
                                   "Умен. громкость",
                                   "Рестарт раунда",
                                   "Показать/спрятать оружие",
                                   "Статус серверов",
                                   "Пауза в игре",
                                   "Время раунда (остаток)"};
        const int rows[] = {0, 1, 48, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64};
        for (int n = 0; n < expected.size(); ++n)
            QCOMPARE(child<QLabel>(QStringLiteral("KeyLab_%1").arg(rows[n]))->text(), expected[n]);
    }

    void scrollingMovesThePanel() {
        QScrollBar* bar = scrollBar();
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(bar->value(), 500);
        QCOMPARE(panel()->y(), -33);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), 1500);
        QCOMPARE(panel()->y(), -100);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(panel()->y(), -1046);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(panel()->pos(), QPoint(16, 0));
    }

    void theMaximumShowsTheAliases() {
        QWidget* viewport = child(QStringLiteral("Picture1"));
        auto shown = [&](QWidget* w) {
            return viewport->rect().contains(QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()));
        };
        QVERIFY(shown(field(0)));
        QVERIFY(!shown(field(110)));
        scrollBar()->setValue(scrollBar()->maximum());
        for (int row = 55; row < 65; ++row) {
            QVERIFY(shown(child(QStringLiteral("KeyLab_%1").arg(row))));
            QVERIFY(shown(field(row + 55)));
            QVERIFY(shown(field(row + 65)));
        }
        QVERIFY(!shown(field(0)));
    }

    // A real wheel turn over a row climbs up to the viewport; a synthetic
    // one stays where it is sent, so it goes to the viewport here.
    void theWheelOverTheRowsScrolls() {
        QWidget* over = child(QStringLiteral("Picture1"));
        const QPoint at(5, 5);
        QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
        QVERIFY(scrollBar()->value() > 0);
        QCOMPARE(panel()->y(), -qRound(scrollBar()->value() / 15.0));
    }

    void keyCaptureCuesAndColours() {
        listen(5);
        QCOMPARE(group().state(5), KeyFieldState::Listening);
        QCOMPARE(backOf(5), kListening);
        QCOMPARE(page_->focusWidget(), field(5));
        QCOMPARE(cues(), QList<int>{1});

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

    void mouseCaptureLocksAtOnce_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("left") << Qt::LeftButton << "Mouse1";
        QTest::newRow("right") << Qt::RightButton << "Mouse2";
        QTest::newRow("middle") << Qt::MiddleButton << "Mouse3";
    }
    void mouseCaptureLocksAtOnce() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, name);
        listen(6);
        QTest::mousePress(field(6), button);
        QCOMPARE(field(6)->text(), name);
        QCOMPARE(group().state(6), KeyFieldState::Captured);
        QCOMPARE(cues(), (QList<int>{1, 2}));
        QVERIFY(field(6)->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseRelease(field(6), button);
        // The second press of a quick double-click falls through to the
        // target behind: it does not start listening again.
        QTest::mouseDClick(target(6), Qt::LeftButton);
        QCOMPARE(field(6)->text(), name);
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
        QCOMPARE(field(70)->text(), QStringLiteral("q"));
        captureKey(3, Qt::Key_Q);
        QCOMPARE(field(3)->text(), QStringLiteral("q"));
        QVERIFY(field(70)->text().isEmpty());
        // Field 70 lost the focus to field 3 and rests.
        QCOMPARE(backOf(70), kRest);
        QCOMPARE(cues(), (QList<int>{1, 2, 2, 1, 2}));
        // The same name again in field 3 touches no other field.
        captureKey(71, Qt::Key_W);
        listen(3);
        QTest::keyClick(field(3), Qt::Key_Q);
        QTest::keyClick(field(3), Qt::Key_Q);
        QCOMPARE(field(3)->text(), QStringLiteral("q"));
        QCOMPARE(field(71)->text(), QStringLiteral("w"));
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
        QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
            keys.append({Qt::Key(k), Qt::NoModifier});
        for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
            keys.append({Qt::Key(k), Qt::NoModifier});
        for (int k = Qt::Key_F1; k <= Qt::Key_F12; ++k)
            keys.append({Qt::Key(k), Qt::NoModifier});
        for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
            keys.append({Qt::Key(k), Qt::KeypadModifier});
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Home, Qt::Key_End, Qt::Key_Insert,
                          Qt::Key_Pause, Qt::Key_Backspace})
            keys.append({k, Qt::NoModifier});
        QCOMPARE(keys.size(), 65);
        for (int row = 0; row < 65; ++row)
            captureKey(commands::keyField(row), keys[row].first, keys[row].second);
        clickDone();
        QUELMAR_COMPARE_GOLDEN(harness_->written(), "commands_all_rows.cfg");
    }
};

QTEST_MAIN(TestCommandPage)
#include "tst_commandpage.moc"
