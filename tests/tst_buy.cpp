// The weapon page: the key window's rules, the catalogue and key windows as
// the player works them, drops from inside and outside the program, and the
// pair's way back to the menu.
#include "app/PageCatalog.h"
#include "buy/BuyKeyboard.h"
#include "buy/BuyLook.h"
#include "buy/CatalogueItem.h"
#include "buy/CatalogueTable.h"
#include "buy/KeySlot.h"
#include "tests/support/Golden.h"

#include <QComboBox>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

using Drops = QList<std::pair<int, QString>>; // slot, alias, in the order dropped
Q_DECLARE_METATYPE(Drops)

namespace {

// Selects key, drops every alias in order, records.
std::optional<QString> recordDrops(BuyKeyboard& k, const QString& key, const Drops& drops) {
    k.select(int(k.keys().indexOf(key)));
    for (const auto& [slot, alias] : drops)
        k.drop(slot, alias);
    return k.record();
}

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

    template <typename T> T* in(QWidget* w, const QString& name) { return w->findChild<T*>(name); }
    CatalogueItem* item(const char* name) { return in<CatalogueItem>(form1_, name); }
    KeySlot* slot(int i) { return in<KeySlot>(form2_, QStringLiteral("Key_%1").arg(i)); }
    QComboBox* list() { return in<QComboBox>(form2_, QStringLiteral("List")); }
    QPushButton* button(QWidget* w, const char* name) { return in<QPushButton>(w, name); }
    QPushButton* recordButton() { return button(form2_, "Command1"); }
    void clickRecord() { QTest::mouseClick(recordButton(), Qt::LeftButton); }

    // A real catalogue item dragged onto a slot.
    bool dragItem(const char* name, int slotIndex) {
        std::unique_ptr<QDrag> drag(item(name)->makeDrag());
        return dropOn(slot(slotIndex), drag->mimeData());
    }

    void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  private slots:
    void init() {
        // Opened from its menu entry: the catalogue first, then the key window.
        h_ = std::make_unique<PageHarness>();
        const QList<QWidget*> windows = openProgramPage("Command1", h_->services);
        QCOMPARE(windows.size(), 2);
        form1_ = windows[0];
        form2_ = windows[1];
        for (QWidget* w : windows)
            w->show();
    }

    void cleanup() {
        delete form1_.data();
        delete form2_.data();
        processDeletes();
        h_.reset();
    }

    // --- the key window's rules, without widgets ---

    void enableRules_data() {
        QTest::addColumn<int>("selection");
        QTest::addColumn<QList<int>>("filled");
        QTest::addColumn<QList<int>>("emptied");
        QTest::addColumn<bool>("slotsEnabled");
        QTest::addColumn<bool>("recordEnabled");
        QTest::newRow("no key") << -1 << QList<int>{} << QList<int>{} << false << false;
        QTest::newRow("key, empty slots") << 0 << QList<int>{} << QList<int>{} << true << false;
        QTest::newRow("key, last slot") << 34 << QList<int>{13} << QList<int>{} << true << true;
        QTest::newRow("filled, emptied") << 0 << QList<int>{2} << QList<int>{2} << true << false;
        QTest::newRow("one of two emptied")
            << 0 << QList<int>{2, 9} << QList<int>{9} << true << true;
        QTest::newRow("selection lost") << 99 << QList<int>{} << QList<int>{} << false << false;
    }

    void enableRules() {
        QFETCH(int, selection);
        QFETCH(QList<int>, filled);
        QFETCH(QList<int>, emptied);
        BuyKeyboard k;
        k.select(0);
        for (int s : filled)
            QVERIFY(k.drop(s, "8-1;"));
        for (int s : emptied)
            QVERIFY(k.clear(s));
        k.select(selection);
        QTEST(k.slotsEnabled(), "slotsEnabled");
        QTEST(k.recordEnabled(), "recordEnabled");
    }

    void recordLine_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Drops>("drops");
        QTest::addColumn<QString>("line");
        auto row = [](const char* name, const QString& key, const Drops& drops, const char* line) {
            QTest::newRow(name) << key << drops << QString::fromUtf8(line);
        };
        const char* example = R"(bind "F1" "4-1;8-2;ammo1;reset")";
        row("example", "F1", {{0, "4-1;"}, {1, "8-2;"}, {7, "ammo1;"}}, example);
        row("slot order, not drop order", "F1", {{7, "ammo1;"}, {1, "8-2;"}, {0, "4-1;"}}, example);
        row("only the last slot", "pause", {{13, "8-6;"}}, R"(bind "pause" "8-6;reset")");
        row("same item thrice", "F2", {{4, "8-4;"}, {2, "8-4;"}, {9, "8-4;"}},
            R"(bind "F2" "8-4;8-4;8-4;reset")");
        row("drop replaces", "del", {{3, "4-6;"}, {3, "1-6;"}}, R"(bind "del" "1-6;reset")");
        row("undefined aliases as they stand", "kp_PgUp", {{0, "1-2;"}, {1, "4-7;"}},
            R"(bind "kp_PgUp" "1-2;4-7;reset")");
        Drops all;
        for (int s = 0; s < BuyKeyboard::kSlotCount; ++s)
            all.append({s, QStringLiteral("%1-%1;").arg(s)});
        row("all fourteen", "home", all,
            R"(bind "home" "0-0;1-1;2-2;3-3;4-4;5-5;6-6;7-7;8-8;9-9;10-10;11-11;12-12;13-13;reset")");
    }

    void recordLine() {
        QFETCH(QString, key);
        QFETCH(Drops, drops);
        BuyKeyboard k;
        QTEST(recordDrops(k, key, drops).value_or("<nothing>"), "line");
    }

    void recordBindsTheKeyOfTheLastDropAndEmptiesTheSlots() {
        BuyKeyboard k;
        QVERIFY(!recordDrops(k, "F1", {})); // nothing dropped: nothing written
        k.drop(0, "4-1;");
        k.select(2); // "F3"
        k.drop(5, "8-2;");
        k.select(4); // "F5", chosen after the last drop
        QCOMPARE(k.boundKey(), QStringLiteral("\"F3\""));
        QCOMPARE(*k.record(), QStringLiteral(R"(bind "F3" "4-1;8-2;reset")"));
        QCOMPARE(k.selection(), 5); // on from "F5"
        for (int s = 0; s < BuyKeyboard::kSlotCount; ++s)
            QVERIFY(!k.isFilled(s) && k.alias(s).isEmpty());
        QVERIFY(!k.recordEnabled() && !k.record());
        QVERIFY(k.drop(3, "3-3;")); // the next drop binds the key chosen now
        QCOMPARE(*k.record(), QStringLiteral(R"(bind "F6" "3-3;reset")"));
    }

    void selectionWrapsFromTheLastEntry() {
        BuyKeyboard k;
        QVERIFY(recordDrops(k, "pause", {{0, "8-1;"}}));
        QCOMPARE(k.selection(), 0); // "F1"
        QVERIFY(k.addKey("q"));
        QVERIFY(recordDrops(k, "pause", {{0, "8-1;"}}));
        QCOMPARE(k.selection(), 35); // on to the added key
        QVERIFY(recordDrops(k, "q", {{0, "8-1;"}}));
        QCOMPARE(k.selection(), 0);
    }

    // --- the catalogue window ---

    void catalogueWindow() {
        QCOMPARE(form1_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form1_->windowTitle(), QStringLiteral("Weapons"));
        QVERIFY(form1_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form1_->size(), QSize(413, 431));
        QCOMPARE(form2_->pos() - form1_->pos(), QPoint(414, 0)); // side by side
        for (int i = 1; i <= 6; ++i) // no category chosen yet: every group hidden
            QVERIFY(in<QWidget>(form1_, QStringLiteral("Frame%1").arg(i))->isHidden());
        // Every item in its group, drawn on light grey, each its own picture.
        QImage blank(205, 65, QImage::Format_RGB888);
        blank.fill(QColor(191, 191, 191));
        QList<QImage> seen{blank};
        for (const BuyItem& it : buyItems()) {
            const CatalogueItem* box = item(it.objectName);
            QCOMPARE(box->parentWidget()->objectName(),
                     QString::fromLatin1(buyCategories()[it.category].groupName));
            QCOMPARE(box->picture().size(), blank.size());
            QCOMPARE(box->picture().pixelColor(0, 0), blank.pixelColor(0, 0));
            QVERIFY2(!seen.contains(box->picture()), it.objectName);
            seen << box->picture();
        }
    }

    void choosingACategoryShowsOnlyItsGroup() {
        auto choose = [this](int option) {
            // On the round mark: the caption alone may not reach the middle.
            QTest::mouseClick(in<QRadioButton>(form1_, QStringLiteral("Option%1").arg(option)),
                              Qt::LeftButton, {}, QPoint(8, 13));
            QList<int> shown;
            for (int i = 1; i <= 6; ++i) {
                if (in<QWidget>(form1_, QStringLiteral("Frame%1").arg(i))->isVisible())
                    shown << i;
            }
            return shown;
        };
        QCOMPARE(choose(4), QList<int>{4});
        QVERIFY(item("Picture14")->isVisible());
        QCOMPARE(choose(4), QList<int>{4}); // the same again keeps it
        QCOMPARE(choose(1), QList<int>{1});
        QCOMPARE(choose(6), QList<int>{6});
    }

    void dragCarriesExactlyTextAndPicture() {
        const QImage smile = buy::smilingCursor().toImage();
        const QImage frown = buy::frowningCursor().toImage();
        QCOMPARE(smile.size(), QSize(32, 32));
        QVERIFY(smile != frown);
        for (const BuyItem& it : buyItems()) {
            for (int again = 0; again < 2; ++again) { // an item can be dragged again and again
                std::unique_ptr<QDrag> drag(item(it.objectName)->makeDrag());
                const QMimeData* mime = drag->mimeData();
                QCOMPARE(mime->formats(), QStringList({"text/plain", "application/x-qt-image"}));
                QCOMPARE(mime->text(), QString::fromLatin1(it.dragText));
                QCOMPARE(qvariant_cast<QImage>(mime->imageData()), item(it.objectName)->picture());
                QCOMPARE(drag->dragCursor(Qt::MoveAction).toImage(), smile);
                QCOMPARE(drag->dragCursor(Qt::IgnoreAction).toImage(), frown);
                QCOMPARE(drag->dragCursor(Qt::CopyAction).toImage(), frown);
            }
        }
    }

    // --- the key window ---

    void keyWindowOpensItsSection() {
        QCOMPARE(form2_->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form2_->windowTitle(), QStringLiteral("KeyBoard"));
        QVERIFY(form2_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form2_->size(), QSize(438, 562));
        QCOMPARE(list()->count(), 35);
        QCOMPARE(list()->currentIndex(), -1);
        QVERIFY(!recordButton()->isEnabled());
        for (int i = 0; i < BuyKeyboard::kSlotCount; ++i)
            QVERIFY(!slot(i)->isEnabled());
        QCOMPARE(slot(13)->geometry(), QRect(220, 480, 209, 69)); // foot of the right column
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
    }

    void playerRecordsTheExampleLine() {
        list()->setCurrentIndex(0); // "F1"
        for (int i = 0; i < BuyKeyboard::kSlotCount; ++i)
            QVERIFY(slot(i)->isEnabled());
        QVERIFY(!recordButton()->isEnabled());
        QVERIFY(dragItem("Picture24", 1));
        QVERIFY(dragItem("Picture14", 0));
        QVERIFY(dragItem("Picture29", 7));
        QCOMPARE(slot(0)->picture(), item("Picture14")->picture());
        QVERIFY(recordButton()->isEnabled());
        clickRecord();
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_example.cfg");
        for (int i = 0; i < BuyKeyboard::kSlotCount; ++i)
            QVERIFY(slot(i)->picture().isNull());
        QCOMPARE(list()->currentText(), QStringLiteral("F2"));
        QVERIFY(!recordButton()->isEnabled());
    }

    void slotTakesDropsOnlyWithAKeyAndEmptiesOnAClick() {
        QVERIFY(!dragItem("Picture1", 3)); // no key chosen yet
        QVERIFY(slot(3)->picture().isNull());
        list()->setCurrentIndex(5);
        QVERIFY(dragItem("Picture7", 3));
        QVERIFY(dragItem("Picture8", 3)); // replaces
        QCOMPARE(slot(3)->picture(), item("Picture8")->picture());
        QTest::mouseClick(slot(3), Qt::RightButton); // not a click
        QVERIFY(!slot(3)->picture().isNull());
        QTest::mouseClick(slot(3), Qt::LeftButton);
        QVERIFY(slot(3)->picture().isNull());
        QVERIFY(!recordButton()->isEnabled());
        QVERIFY(dragItem("Picture9", 13));
        clickRecord();
        QCOMPARE(h_->written(), openedThen(R"(bind "F6" "3-1;reset")"));
    }

    void foreignDropsAreIgnored_data() {
        QTest::addColumn<QString>("text"); // null: none
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<bool>("asLinks");
        QTest::addColumn<int>("actions");
        auto row = [](const char* name, const QString& text, bool image, bool links,
                      Qt::DropAction action) {
            QTest::newRow(name) << text << image << links << int(action);
        };
        row("text without picture", "4-1;", false, false, Qt::MoveAction);
        row("picture without text", {}, true, false, Qt::MoveAction);
        row("neither", {}, false, false, Qt::MoveAction);
        row("picture and links", {}, true, true, Qt::MoveAction);
        row("copy only", "4-1;", true, false, Qt::CopyAction);
        row("picture and stray text", "4-1;\r\nunbindall", true, false, Qt::MoveAction);
        row("picture and an unknown alias", "9-9;", true, false, Qt::MoveAction);
    }

    void foreignDropsAreIgnored() {
        QFETCH(QString, text);
        QFETCH(bool, withImage);
        QFETCH(bool, asLinks);
        QFETCH(int, actions);
        list()->setCurrentIndex(0);
        QMimeData mime;
        if (!text.isNull())
            mime.setText(text);
        if (withImage)
            mime.setImageData(item("Picture1")->picture());
        if (asLinks)
            mime.setUrls({QUrl("file:///tmp/a.png")});
        mime.setData("application/octet-stream", "junk");
        QVERIFY(!dropOn(slot(2), &mime, Qt::DropActions(actions)));
        QVERIFY(slot(2)->picture().isNull());
        QVERIFY(!recordButton()->isEnabled());
        QVERIFY(!dropOn(form2_, &mime));  // the window itself takes no drops
        QVERIFY(dragItem("Picture2", 2)); // and the page works on
        clickRecord();
        QCOMPARE(h_->written(), openedThen(R"(bind "F1" "1-2;reset")"));
    }

    // Adds a key through the input box (one character or none is taken, the
    // selection stays), then records on the list's last entry: the new key
    // when it was taken, and from there on to "F1". The script is 1251.
    void addKeyThenRecordOnTheLastEntry_data() {
        QTest::addColumn<QString>("answer"); // null: the box is cancelled
        QTest::addColumn<QList<int>>("cues");
        QTest::addColumn<QByteArray>("line");
        auto row = [](const char* name, const QString& answer, QList<int> cues, const char* line) {
            QTest::newRow(name) << answer << cues << QByteArray(line);
        };
        row("q", "q", {}, R"(bind "q" "ammo2;reset")");
        row("empty", "", {}, R"(bind "" "ammo2;reset")");
        row("cancelled", {}, {}, R"(bind "" "ammo2;reset")");
        row("blank", " ", {}, R"(bind " " "ammo2;reset")");
        row("Cyrillic letter", "ж", {}, "bind \"\xE6\" \"ammo2;reset\"");
        row("outside the basic plane", "\U0001F600", {}, R"(bind "?" "ammo2;reset")");
        row("too long", "kp_9", {3}, R"(bind "pause" "ammo2;reset")");
        row("two Cyrillic letters", "жж", {3}, R"(bind "pause" "ammo2;reset")");
    }

    void addKeyThenRecordOnTheLastEntry() {
        QFETCH(QString, answer);
        QFETCH(QByteArray, line);
        list()->setCurrentIndex(2);
        if (!answer.isNull())
            h_->dialogs.answerInput(answer);
        QTest::mouseClick(button(form2_, "Command3"), Qt::LeftButton);
        QCOMPARE(h_->dialogs.asked.size(), 1);
        const AskedDialog& asked = h_->dialogs.asked[0];
        QVERIFY(asked.kind == AskedDialog::Input && asked.title.isEmpty());
        QVERIFY(asked.text == "New key" && asked.defaultText.isEmpty());
        QTEST(h_->sound.played, "cues");
        QCOMPARE(list()->currentIndex(), 2); // adding never moves the selection
        list()->setCurrentIndex(list()->count() - 1);
        QVERIFY(dragItem("Picture30", 13));
        clickRecord();
        QCOMPARE(h_->written(), openedThen(line));
        QCOMPARE(list()->currentText(), QStringLiteral("F1"));
    }

    // --- the pair and the way back ---

    void eitherCloseEndsThePair_data() {
        QTest::addColumn<int>("window"); // 1 catalogue, 2 key window
        QTest::addColumn<QString>("how");
        QTest::newRow("catalogue Done") << 1 << "Done";
        QTest::newRow("key window Done") << 2 << "Done";
        QTest::newRow("catalogue closed otherwise") << 1 << "close";
        QTest::newRow("key window closed otherwise") << 2 << "close";
        QTest::newRow("key window deleted unclosed") << 2 << "delete";
    }

    void eitherCloseEndsThePair() {
        QFETCH(int, window);
        QFETCH(QString, how);
        list()->setCurrentIndex(0);
        QVERIFY(dragItem("Picture14", 0)); // dropped, never recorded
        QWidget* target = window == 1 ? form1_.data() : form2_.data();
        if (how == "Done")
            QTest::mouseClick(button(target, window == 1 ? "Command1" : "Command2"),
                              Qt::LeftButton);
        else if (how == "close")
            target->close();
        else
            delete target;
        QVERIFY(!form1_ || !form1_->isVisible());
        QVERIFY(!form2_ || !form2_->isVisible());
        QCOMPARE(h_->menu.returned, QStringList{"Command1"});
        processDeletes();
        QVERIFY(form1_.isNull() && form2_.isNull());
        QCOMPARE(h_->menu.returned, QStringList{"Command1"}); // once only
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
        QVERIFY(h_->sound.played.isEmpty());
    }
};

QTEST_MAIN(TestBuy)
#include "tst_buy.moc"
