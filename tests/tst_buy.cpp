// The weapon page: the key window's rules, the catalogue and key windows as
// the player works them, drops from inside and outside the program, and the
// pair's way back to the menu.
#include "app/MenuTable.h"
#include "buy/BuyKeyboard.h"
#include "buy/CatalogueItem.h"
#include "buy/KeySlot.h"
#include "tests/support/Golden.h"

#include <QComboBox>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Sends a drag entering the widget and a drop on it, as a drag from
// anywhere would; true when the drop was taken.
bool dropOn(QWidget* target, const QMimeData* mime, Qt::DropActions actions = Qt::MoveAction) {
    const QPoint pos = target->rect().center();
    QDragEnterEvent enter(pos, actions, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(pos), actions, mime, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// The script as the page opens it, then one line.
QByteArray openedThen(const QByteArray& line) {
    return goldenBytes("buy_opened.cfg") + line + "\r\n";
}

} // namespace

class TestBuy : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> h_;
    QPointer<QWidget> form1_;
    QPointer<QWidget> form2_;

    template <typename T = QWidget> T* in(QWidget* w, const QString& name) {
        return w->findChild<T*>(name);
    }
    CatalogueItem* item(const char* name) { return in<CatalogueItem>(form1_, name); }
    KeySlot* slot(int i) { return in<KeySlot>(form2_, QStringLiteral("Key_%1").arg(i)); }
    QComboBox* list() { return in<QComboBox>(form2_, QStringLiteral("List")); }
    QPushButton* recordButton() { return in<QPushButton>(form2_, "Command1"); }
    void clickRecord() { QTest::mouseClick(recordButton(), Qt::LeftButton); }

    // A real catalogue item dragged onto a slot.
    bool dragItem(const char* name, int slotIndex) {
        std::unique_ptr<QDrag> drag(item(name)->makeDrag());
        return dropOn(slot(slotIndex), drag->mimeData());
    }

  private slots:
    void init() {
        // Opened from its menu entry: the catalogue first, then the key window.
        h_ = std::make_unique<PageHarness>();
        const QList<QWidget*> windows = openProgramPage(MenuPage::Weapons, h_->services);
        QCOMPARE(windows.size(), 2);
        form1_ = windows[0];
        form2_ = windows[1];
        for (QWidget* w : windows)
            w->show();
    }

    void cleanup() {
        delete form1_.data();
        delete form2_.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h_.reset();
    }

    // --- the key window's rules, without widgets ---

    // The scenarios of buy_keyboard.txt.
    void keyboardScripts() {
        std::unique_ptr<BuyKeyboard> k;
        for (const QString& line : QString::fromUtf8(goldenBytes("buy_keyboard.txt")).split('\n')) {
            if (line.isEmpty() || line.startsWith('#')) {
                k.reset();
                continue;
            }
            if (!k)
                k = std::make_unique<BuyKeyboard>();
            const QString action = line.section(' ', 0, 0), arg = line.section(' ', 1);
            bool number = false;
            const int n = line.section(' ', 1, 1).toInt(&number);
            QString seen = line;
            if (action == "select")
                k->select(number ? n : int(k->keys().indexOf(arg)));
            else if (action == "drop")
                QVERIFY2(k->drop(n, line.section(' ', 2)), qPrintable(line));
            else if (action == "clear")
                QVERIFY2(k->clear(n), qPrintable(line));
            else if (action == "record")
                seen = "record " + k->record().value_or("<nothing>");
            else if (action == "enabled")
                seen = QString("enabled ") + (!k->slotsEnabled()   ? "none"
                                              : k->recordEnabled() ? "both"
                                                                   : "slots");
            else if (action == "selection")
                seen = "selection " + QString::number(k->selection());
            else if (action == "empty")
                for (int s = 0; s < BuyKeyboard::kSlotCount; ++s)
                    seen = k->isFilled(s) || !k->alias(s).isEmpty() ? "slot not empty" : seen;
            else
                seen = "an unknown action";
            QVERIFY2(seen == line, qPrintable(line + " but " + seen));
        }
    }

    // --- the windows ---

    void slotTakesDropsOnlyWithAKeyAndEmptiesOnAClick() {
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
        QVERIFY(list()->currentIndex() == -1 && !recordButton()->isEnabled());
        QVERIFY(!dragItem("Picture1", 3)); // no key chosen yet
        list()->setCurrentIndex(5);
        QVERIFY(dragItem("Picture7", 3));
        QVERIFY(dragItem("Picture8", 3)); // replaces
        QCOMPARE(slot(3)->picture(), item("Picture8")->picture());
        QTest::mouseClick(slot(3), Qt::RightButton); // not a click
        QVERIFY(!slot(3)->picture().isNull());
        QTest::mouseClick(slot(3), Qt::LeftButton);
        QVERIFY(slot(3)->picture().isNull() && !recordButton()->isEnabled());
        QVERIFY(dragItem("Picture9", 13));
        clickRecord();
        QCOMPARE(h_->written(), openedThen(R"(bind "F6" "3-1;reset")"));
        QCOMPARE(list()->currentText(), QStringLiteral("F7"));
        QVERIFY(slot(13)->picture().isNull() && !recordButton()->isEnabled());
    }

    // Text or picture alone, links, a copy, stray text after the alias, an
    // unknown alias: all refused; the window itself takes no drops.
    void foreignDropsAreIgnored() {
        list()->setCurrentIndex(0);
        const QImage picture = item("Picture1")->picture();
        // clang-format off
        const QList<std::tuple<QString, bool, bool, Qt::DropAction>> rows = {
            {"4-1;", false, false, Qt::MoveAction}, {{}, true, false, Qt::MoveAction},
            {{}, true, true, Qt::MoveAction}, {"4-1;", true, false, Qt::CopyAction},
            {"4-1;\r\nunbindall", true, false, Qt::MoveAction}, {"9-9;", true, false, Qt::MoveAction}};
        // clang-format on
        for (const auto& [text, withImage, asLinks, action] : rows) {
            QMimeData mime;
            if (!text.isNull())
                mime.setText(text);
            if (withImage)
                mime.setImageData(picture);
            if (asLinks)
                mime.setUrls({QUrl("file:///tmp/a.png")});
            QVERIFY2(!dropOn(slot(2), &mime, action) && !dropOn(form2_, &mime), qPrintable(text));
        }
        QVERIFY(slot(2)->picture().isNull() && !recordButton()->isEnabled());
        QVERIFY(dragItem("Picture2", 2)); // and the page works on
        clickRecord();
        QCOMPARE(h_->written(), openedThen(R"(bind "F1" "1-2;reset")"));
    }

    // Adds a key through the input box (one character or none is taken, the
    // selection stays), then records on the list's last entry: the new key
    // when it was taken, and from there on to "F1". The script is 1251.
    void addKeyThenRecordOnTheLastEntry_data() {
        QTest::addColumn<QString>("answer"); // null: the box is cancelled
        QTest::addColumn<QByteArray>("key"); // empty: refused with cue 3
        // clang-format off
        const QList<std::pair<QString, QByteArray>> rows = {{"q", "q"}, {{}, ""}, {" ", " "},
            {"ж", "\xE6"}, {"\U0001F600", "?"}, {"kp_9", {}}, {"жж", {}},
            {"\x1bq\x7f", "q"}};
        // clang-format on
        for (const auto& [answer, key] : rows)
            QTest::newRow(qPrintable(answer)) << answer << key;
    }
    void addKeyThenRecordOnTheLastEntry() {
        QFETCH(QString, answer);
        list()->setCurrentIndex(2);
        if (!answer.isNull())
            h_->dialogs.answerInput(answer);
        QTest::mouseClick(in<QPushButton>(form2_, "Command3"), Qt::LeftButton);
        QCOMPARE(h_->dialogs.asked.size(), 1);
        const AskedDialog& asked = h_->dialogs.asked[0];
        QVERIFY(asked.kind == AskedDialog::Input && asked.title.isEmpty());
        QVERIFY(asked.text == "New key" && asked.defaultText.isEmpty());
        QFETCH(QByteArray, key);
        QCOMPARE(h_->sound.played, key.isNull() ? QList<Cue>{Cue::KeyRefused} : QList<Cue>{});
        QCOMPARE(list()->currentIndex(), 2); // adding never moves the selection
        list()->setCurrentIndex(list()->count() - 1);
        if (!key.isNull()) // the list shows the key as the script will have it
            QCOMPARE(list()->currentText().size(), answer.size() > 2 ? 1 : answer.size());
        QVERIFY(dragItem("Picture30", 13));
        clickRecord();
        QCOMPARE(h_->written(),
                 openedThen("bind \"" + (key.isNull() ? "pause" : key) + "\" \"ammo2;reset\""));
        QCOMPARE(list()->currentText(), QStringLiteral("F1"));
    }

    // Done on either window, a close by other means, or the key window
    // deleted: both go, the menu comes back once, nothing more is written.
    void eitherCloseEndsThePair() {
        const QList<std::function<void()>> ways = {
            [this] { QTest::mouseClick(in<QPushButton>(form1_, "Command1"), Qt::LeftButton); },
            [this] { QTest::mouseClick(in<QPushButton>(form2_, "Command2"), Qt::LeftButton); },
            [this] { form1_->close(); }, [this] { delete form2_.data(); }};
        for (const auto& end : ways) {
            cleanup();
            init();
            list()->setCurrentIndex(0);
            QVERIFY(dragItem("Picture14", 0)); // dropped, never recorded
            end();
            QVERIFY((!form1_ || !form1_->isVisible()) && (!form2_ || !form2_->isVisible()));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(form1_.isNull() && form2_.isNull());
            QCOMPARE(h_->handedBack, 1); // once only
            QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
            QVERIFY(h_->sound.played.isEmpty());
        }
    }
};

QTEST_MAIN(TestBuy)
#include "tst_buy.moc"
