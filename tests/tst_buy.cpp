// The weapon page: the key window's rules, the catalogue and key windows as
// the player works them, drops from inside and outside the program, and the
// pair's way back to the menu.
#include "app/PageCatalog.h"
#include "buy/BuyKeyboard.h"
#include "buy/BuyLook.h"
#include "buy/BuyPage.h"
#include "buy/CatalogueItem.h"
#include "buy/CatalogueTable.h"
#include "buy/KeySlot.h"
#include "tests/support/Golden.h"

#include <QComboBox>
#include <QDrag>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

using Drops = QList<std::pair<int, QString>>; // slot, alias, in the order dropped
Q_DECLARE_METATYPE(Drops)

namespace {

int keyIndex(const BuyKeyboard& k, const QString& name) {
    return int(k.keys().indexOf(name));
}

// Selects key, drops every alias in order, records.
std::optional<QString> recordDrops(BuyKeyboard& k, const QString& key, const Drops& drops) {
    k.select(keyIndex(k, key));
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

QPoint screenCorner() {
    return QGuiApplication::primaryScreen()->availableGeometry().topLeft();
}

} // namespace

class TestBuy : public QObject {
    Q_OBJECT

    std::unique_ptr<PageHarness> h_;
    QPointer<QWidget> form1_;
    QPointer<QWidget> form2_;

    template <typename T> T* in(QWidget* window, const QString& name) {
        auto* child = window->findChild<T*>(name);
        if (!child)
            qWarning("no %s in %s", qPrintable(name), qPrintable(window->objectName()));
        return child;
    }
    CatalogueItem* item(const char* name) { return in<CatalogueItem>(form1_, name); }
    KeySlot* slot(int i) { return in<KeySlot>(form2_, QStringLiteral("Key_%1").arg(i)); }
    QComboBox* list() { return in<QComboBox>(form2_, QStringLiteral("List")); }
    QPushButton* button(QWidget* w, const char* name) { return in<QPushButton>(w, name); }

    // A real catalogue item dragged onto a slot.
    bool dragItem(const char* name, int slotIndex) {
        std::unique_ptr<QDrag> drag(item(name)->makeDrag());
        return dropOn(slot(slotIndex), drag->mimeData());
    }

    void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  private slots:
    void init() {
        h_ = std::make_unique<PageHarness>();
        const QList<QWidget*> windows = BuyPage::open(h_->services);
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

    void keyListStartsFullWithNothingSelected() {
        BuyKeyboard k;
        // These names go into the script as they stand, "kp_PgUp" with its capitals.
        QCOMPARE(k.keys().join(' '),
                 "F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 ins del end home pgup pgdn leftarrow "
                 "rightarrow uparrow downarrow kp_ins kp_del kp_end kp_downarrow kp_pgdn kp_PgUp "
                 "kp_rightarrow kp_leftarrow kp_enter kp_home kp_uparrow kp_5 pause");
        QCOMPARE(k.selection(), -1);
        QVERIFY(!k.slotsEnabled() && !k.recordEnabled());
        QVERIFY(!k.drop(0, "4-1;") && !k.clear(0) && !k.record());
        QVERIFY(k.boundKey().isEmpty());
    }

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
        const QString example = R"(bind "F1" "4-1;8-2;ammo1;reset")";
        QTest::newRow("example") << "F1" << Drops{{0, "4-1;"}, {1, "8-2;"}, {7, "ammo1;"}}
                                 << example;
        QTest::newRow("slot order, not drop order")
            << "F1" << Drops{{7, "ammo1;"}, {1, "8-2;"}, {0, "4-1;"}} << example;
        QTest::newRow("only the last slot")
            << "pause" << Drops{{13, "8-6;"}} << R"(bind "pause" "8-6;reset")";
        QTest::newRow("same item thrice") << "F2" << Drops{{4, "8-4;"}, {2, "8-4;"}, {9, "8-4;"}}
                                          << R"(bind "F2" "8-4;8-4;8-4;reset")";
        QTest::newRow("drop replaces")
            << "del" << Drops{{3, "4-6;"}, {3, "1-6;"}} << R"(bind "del" "1-6;reset")";
        QTest::newRow("undefined aliases as they stand")
            << "kp_PgUp" << Drops{{0, "1-2;"}, {1, "4-7;"}} << R"(bind "kp_PgUp" "1-2;4-7;reset")";
        Drops all;
        QString aliases;
        for (int s = 0; s < BuyKeyboard::kSlotCount; ++s) {
            all.append({s, QStringLiteral("%1-%1;").arg(s)});
            aliases += all.last().second;
        }
        QTest::newRow("all fourteen")
            << "home" << all << QStringLiteral(R"(bind "home" "%1reset")").arg(aliases);
    }

    void recordLine() {
        QFETCH(QString, key);
        QFETCH(Drops, drops);
        BuyKeyboard k;
        QTEST(recordDrops(k, key, drops).value_or("<nothing>"), "line");
    }

    void boundKeyIsTheKeyOfTheLastDrop() {
        BuyKeyboard k;
        QVERIFY(recordDrops(k, "F1", {}) == std::nullopt);
        k.drop(0, "4-1;");
        k.select(keyIndex(k, "F3"));
        k.drop(1, "8-2;");
        k.select(keyIndex(k, "F5")); // chosen after the last drop
        QCOMPARE(k.boundKey(), QStringLiteral("\"F3\""));
        QCOMPARE(*k.record(), QStringLiteral(R"(bind "F3" "4-1;8-2;reset")"));
        QCOMPARE(k.keys().at(k.selection()), QStringLiteral("F6")); // on from F5
    }

    void selectionMovesOnAndWraps_data() {
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("next");
        auto row = [](const char* name, const QString& added, const QString& key,
                      const QString& next) { QTest::newRow(name) << added << key << next; };
        row("F1", {}, "F1", "F2");
        row("pause", {}, "pause", "F1");
        row("added key", "q", "q", "F1");
        row("before added key", "q", "pause", "q");
    }

    void selectionMovesOnAndWraps() {
        QFETCH(QString, added);
        QFETCH(QString, key);
        BuyKeyboard k;
        if (!added.isNull())
            QVERIFY(k.addKey(added));
        QVERIFY(recordDrops(k, key, {{0, "8-1;"}}));
        QTEST(k.keys().at(k.selection()), "next");
    }

    void recordEmptiesTheSlots() {
        BuyKeyboard k;
        QVERIFY(recordDrops(k, "F1", {{0, "4-1;"}, {5, "8-2;"}}));
        for (int s = 0; s < BuyKeyboard::kSlotCount; ++s)
            QVERIFY(!k.isFilled(s) && k.alias(s).isEmpty());
        QVERIFY(!k.recordEnabled());
        QVERIFY(!k.record()); // nothing to record: nothing written
        QVERIFY(k.drop(3, "3-3;"));
        QCOMPARE(*k.record(), QStringLiteral(R"(bind "F2" "3-3;reset")"));
    }

    void addKeyRules_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("taken");
        QTest::newRow("one letter") << "q" << true;
        QTest::newRow("nothing or cancelled") << "" << true;
        QTest::newRow("blank") << " " << true;
        QTest::newRow("Cyrillic letter") << "ж" << true;
        QTest::newRow("outside the basic plane") << "\U0001F600" << true;
        QTest::newRow("two letters") << "qq" << false;
        QTest::newRow("a key name") << "mouse3" << false;
        QTest::newRow("two Cyrillic letters") << "жж" << false;
    }

    void addKeyRules() {
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        BuyKeyboard k;
        k.select(4);
        QCOMPARE(k.addKey(answer), taken);
        QCOMPARE(k.keys().size(), taken ? 36 : 35);
        QCOMPARE(k.keys().last(), taken ? answer : QStringLiteral("pause"));
        QCOMPARE(k.selection(), 4);
    }

    // --- the catalogue window ---

    void catalogueLayout() {
        QCOMPARE(form1_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form1_->windowTitle(), QStringLiteral("Weapons"));
        QVERIFY(form1_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form1_->geometry(), QRect(screenCorner() + QPoint(8, 5), QSize(413, 431)));
        QCOMPARE(form1_->palette().color(QPalette::Window), QColor(0, 0, 0));
        auto* box = in<QWidget>(form1_, "Frame7");
        QCOMPARE(box->geometry(), QRect(0, 267, 120, 164));
        const QStringList captions = {"Pistols", "Shotguns",     "Sub Machine guns",
                                      "Rifles",  "Machine guns", "Equipment"};
        for (int i = 0; i < 6; ++i) {
            auto* option = in<QRadioButton>(box, QStringLiteral("Option%1").arg(i + 1));
            QCOMPARE(option->text(), captions[i]);
            QCOMPARE(option->geometry(), QRect(0, 27 * i, 120, 27));
            QVERIFY(!option->isChecked());
            QVERIFY(option->isVisible());
            auto* group = in<QWidget>(form1_, QStringLiteral("Frame%1").arg(i + 1));
            QVERIFY(group->isHidden());
        }
        auto* title = in<QLabel>(form1_, "Label1");
        QCOMPARE(title->text(), QStringLiteral("Weapons"));
        QCOMPARE(title->geometry(), QRect(136, 296, 250, 82));
        QVERIFY(title->isVisible());
        QCOMPARE(button(form1_, "Command1")->text(), QStringLiteral("Done"));
        QCOMPARE(button(form1_, "Command1")->geometry(), QRect(363, 411, 49, 19));
    }

    void itemsStandInTheirGroups() {
        const QList<QPoint> corners = {{0, 0}, {206, 0}};
        int count = 0;
        for (const BuyItem& it : buyItems()) {
            CatalogueItem* box = item(it.objectName);
            QVERIFY(box);
            QCOMPARE(box->parentWidget()->objectName(),
                     QString::fromLatin1(buyCategories()[it.category].groupName));
            QCOMPARE(box->geometry(),
                     QRect(corners[it.column] + QPoint(0, 66 * it.row), QSize(207, 67)));
            QCOMPARE(box->dragText(), QString::fromLatin1(it.dragText));
            ++count;
        }
        QCOMPARE(count, 30);
        QCOMPARE(item("Picture29")->dragText(), QStringLiteral("ammo1;"));
        QCOMPARE(item("Picture24")->dragText(), QStringLiteral("8-2;"));
    }

    void choosingACategoryShowsOnlyItsGroup() {
        auto visibleGroups = [this] {
            QStringList shown;
            for (int i = 1; i <= 6; ++i) {
                if (in<QWidget>(form1_, QStringLiteral("Frame%1").arg(i))->isVisible())
                    shown << QStringLiteral("Frame%1").arg(i);
            }
            return shown;
        };
        auto click = [this](int option) {
            // On the round mark: the caption alone may not reach the middle.
            QTest::mouseClick(in<QRadioButton>(form1_, QStringLiteral("Option%1").arg(option)),
                              Qt::LeftButton, {}, QPoint(8, 13));
        };
        click(4);
        QCOMPARE(visibleGroups(), QStringList{"Frame4"});
        QVERIFY(item("Picture14")->isVisible());
        click(4); // the same again keeps it
        QCOMPARE(visibleGroups(), QStringList{"Frame4"});
        click(1);
        QCOMPARE(visibleGroups(), QStringList{"Frame1"});
        click(6);
        QCOMPARE(visibleGroups(), QStringList{"Frame6"});
    }

    void picturesAreDrawnOnLightGrey() {
        QSet<QByteArray> seen;
        for (const BuyItem& it : buyItems()) {
            const QImage picture = item(it.objectName)->picture();
            QCOMPARE(picture.size(), QSize(205, 65));
            QCOMPARE(picture.format(), QImage::Format_RGB888);
            QCOMPARE(picture.pixelColor(0, 0), QColor(191, 191, 191));
            QCOMPARE(picture.pixelColor(204, 64), QColor(191, 191, 191));
            int drawn = 0;
            for (int y = 0; y < 65; ++y)
                for (int x = 0; x < 205; ++x)
                    drawn += picture.pixel(x, y) != qRgb(191, 191, 191);
            QVERIFY2(drawn > 400, it.objectName); // a shape, not a blank card
            const QByteArray bits(reinterpret_cast<const char*>(picture.constBits()),
                                  picture.sizeInBytes());
            QVERIFY2(!seen.contains(bits), it.objectName); // every item its own picture
            seen.insert(bits);
        }
    }

    void dragCarriesExactlyTextAndPicture() {
        const QImage smile = buy::smilingCursor().toImage();
        const QImage frown = buy::frowningCursor().toImage();
        QCOMPARE(smile.size(), QSize(32, 32));
        QVERIFY(smile != frown);
        for (const BuyItem& it : buyItems()) {
            CatalogueItem* box = item(it.objectName);
            std::unique_ptr<QDrag> first(box->makeDrag());
            std::unique_ptr<QDrag> second(box->makeDrag());
            const QMimeData* mime = first->mimeData();
            QCOMPARE(mime->formats(), QStringList({"text/plain", "application/x-qt-image"}));
            QCOMPARE(mime->text(), QString::fromLatin1(it.dragText));
            QCOMPARE(qvariant_cast<QImage>(mime->imageData()), box->picture());
            QCOMPARE(second->mimeData()->text(), mime->text());
            QCOMPARE(qvariant_cast<QImage>(second->mimeData()->imageData()), box->picture());
            QCOMPARE(first->dragCursor(Qt::MoveAction).toImage(), smile);
            QCOMPARE(first->dragCursor(Qt::IgnoreAction).toImage(), frown);
            QCOMPARE(first->dragCursor(Qt::CopyAction).toImage(), frown);
        }
    }

    // --- the key window ---

    void keyboardOpensItsSection() {
        QCOMPARE(form2_->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form2_->windowTitle(), QStringLiteral("KeyBoard"));
        QVERIFY(form2_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form2_->geometry(), QRect(screenCorner() + QPoint(422, 5), QSize(438, 562)));
        QCOMPARE(in<QLabel>(form2_, "Label1")->text(), QStringLiteral("Key:"));
        QCOMPARE(list()->count(), 35);
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(list()->geometry().topLeft(), QPoint(8, 24));
        QCOMPARE(list()->width(), 97);
        QCOMPARE(button(form2_, "Command3")->text(), QStringLiteral("Добавить"));
        QCOMPARE(button(form2_, "Command3")->geometry(), QRect(112, 24, 65, 21));
        QCOMPARE(button(form2_, "Command1")->text(), QStringLiteral("Запись "));
        QCOMPARE(button(form2_, "Command1")->geometry(), QRect(352, 24, 73, 23));
        QVERIFY(!button(form2_, "Command1")->isEnabled());
        QCOMPARE(button(form2_, "Command2")->text(), QStringLiteral("Done"));
        QCOMPARE(button(form2_, "Command2")->geometry(), QRect(394, 3, 41, 19));
        for (int i = 0; i < 14; ++i) {
            const QPoint corner = i < 7 ? QPoint(8, 48 + 72 * i) : QPoint(220, 48 + 72 * (i - 7));
            QCOMPARE(slot(i)->geometry(), QRect(corner, QSize(209, 69)));
            QCOMPARE(slot(i)->contentsRect(), QRect(2, 2, 205, 65));
            QVERIFY(!slot(i)->isEnabled());
        }
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
    }

    void playerRecordsTheExampleLine() {
        list()->setCurrentIndex(0); // "F1"
        for (int i = 0; i < 14; ++i)
            QVERIFY(slot(i)->isEnabled());
        QVERIFY(!button(form2_, "Command1")->isEnabled());
        QVERIFY(dragItem("Picture24", 1));
        QVERIFY(dragItem("Picture14", 0));
        QVERIFY(dragItem("Picture29", 7));
        QCOMPARE(slot(0)->picture(), item("Picture14")->picture());
        QVERIFY(button(form2_, "Command1")->isEnabled());
        QTest::mouseClick(button(form2_, "Command1"), Qt::LeftButton);
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_example.cfg");
        for (int i = 0; i < 14; ++i)
            QVERIFY(slot(i)->picture().isNull());
        QCOMPARE(list()->currentText(), QStringLiteral("F2"));
        QVERIFY(!button(form2_, "Command1")->isEnabled());
    }

    void clickEmptiesASlot() {
        list()->setCurrentIndex(5);
        QVERIFY(dragItem("Picture7", 3));
        QVERIFY(dragItem("Picture8", 3)); // replaces
        QCOMPARE(slot(3)->picture(), item("Picture8")->picture());
        QTest::mouseClick(slot(3), Qt::RightButton); // not a click
        QVERIFY(!slot(3)->picture().isNull());
        QTest::mouseClick(slot(3), Qt::LeftButton);
        QVERIFY(slot(3)->picture().isNull());
        QVERIFY(!button(form2_, "Command1")->isEnabled());
        QVERIFY(dragItem("Picture9", 13));
        QTest::mouseClick(button(form2_, "Command1"), Qt::LeftButton);
        QCOMPARE(h_->written(), goldenBytes("buy_opened.cfg") + "bind \"F6\" \"3-1;reset\"\r\n");
    }

    void disabledSlotsTakeNothing() {
        QVERIFY(!dragItem("Picture1", 0)); // no key chosen yet
        QVERIFY(slot(0)->picture().isNull());
        QTest::mouseClick(button(form2_, "Command1"), Qt::LeftButton);
        QCOMPARE(h_->written(), goldenBytes("buy_opened.cfg"));
    }

    void foreignDropsAreIgnored_data() {
        QTest::addColumn<bool>("withText");
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<bool>("asLinks");
        QTest::addColumn<int>("actions");
        QTest::addColumn<QString>("text");
        QTest::newRow("text without picture")
            << true << false << false << int(Qt::MoveAction) << "4-1;";
        QTest::newRow("picture without text")
            << false << true << false << int(Qt::MoveAction) << "4-1;";
        QTest::newRow("neither") << false << false << false << int(Qt::MoveAction) << "4-1;";
        QTest::newRow("picture and links")
            << false << true << true << int(Qt::MoveAction) << "4-1;";
        QTest::newRow("copy only") << true << true << false << int(Qt::CopyAction) << "4-1;";
        QTest::newRow("picture and stray text")
            << true << true << false << int(Qt::MoveAction) << "4-1;\r\nunbindall";
        QTest::newRow("picture and an unknown alias")
            << true << true << false << int(Qt::MoveAction) << "9-9;";
    }

    void foreignDropsAreIgnored() {
        QFETCH(bool, withText);
        QFETCH(bool, withImage);
        QFETCH(bool, asLinks);
        QFETCH(int, actions);
        QFETCH(QString, text);
        list()->setCurrentIndex(0);
        QMimeData mime;
        if (withText)
            mime.setText(text);
        if (withImage)
            mime.setImageData(item("Picture1")->picture());
        if (asLinks)
            mime.setUrls({QUrl("file:///tmp/a.png")});
        mime.setData("application/octet-stream", "junk");
        QVERIFY(!dropOn(slot(2), &mime, Qt::DropActions(actions)));
        QVERIFY(slot(2)->picture().isNull());
        QVERIFY(!button(form2_, "Command1")->isEnabled());
        QVERIFY(!dropOn(form2_, &mime));  // the window itself takes no drops
        QVERIFY(dragItem("Picture2", 2)); // and the page works on
        QTest::mouseClick(button(form2_, "Command1"), Qt::LeftButton);
        QCOMPARE(h_->written(), goldenBytes("buy_opened.cfg") + "bind \"F1\" \"1-2;reset\"\r\n");
    }

    void addKeyButton_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("cues");
        QTest::newRow("q") << "q" << 36 << QList<int>{};
        QTest::newRow("cancelled") << "" << 36 << QList<int>{};
        QTest::newRow("too long") << "kp_9" << 35 << QList<int>{3};
    }

    void addKeyButton() {
        QFETCH(QString, answer);
        list()->setCurrentIndex(2);
        h_->dialogs.answerInput(answer);
        QTest::mouseClick(button(form2_, "Command3"), Qt::LeftButton);
        QCOMPARE(h_->dialogs.asked.size(), 1);
        QCOMPARE(h_->dialogs.asked[0].kind, AskedDialog::Input);
        QCOMPARE(h_->dialogs.asked[0].text, QStringLiteral("New key"));
        QCOMPARE(h_->dialogs.asked[0].title, QString());
        QCOMPARE(h_->dialogs.asked[0].defaultText, QString());
        QTEST(list()->count(), "count");
        QTEST(h_->sound.played, "cues");
        QCOMPARE(list()->currentIndex(), 2);
        QCOMPARE(list()->itemText(list()->count() - 1),
                 list()->count() == 36 ? answer : QStringLiteral("pause"));
    }

    void recordOnAnAddedKeyThenWrap() {
        h_->dialogs.answerInput("q");
        QTest::mouseClick(button(form2_, "Command3"), Qt::LeftButton);
        list()->setCurrentIndex(35);
        QVERIFY(dragItem("Picture30", 13));
        QTest::mouseClick(button(form2_, "Command1"), Qt::LeftButton);
        QCOMPARE(h_->written(), goldenBytes("buy_opened.cfg") + "bind \"q\" \"ammo2;reset\"\r\n");
        QCOMPARE(list()->currentText(), QStringLiteral("F1"));
    }

    // --- the pair and the way back ---

    void eitherCloseEndsThePair_data() {
        QTest::addColumn<int>("window"); // 1 catalogue, 2 key window
        QTest::addColumn<bool>("byDone");
        QTest::newRow("catalogue Done") << 1 << true;
        QTest::newRow("key window Done") << 2 << true;
        QTest::newRow("catalogue closed otherwise") << 1 << false;
        QTest::newRow("key window closed otherwise") << 2 << false;
    }

    void eitherCloseEndsThePair() {
        QFETCH(int, window);
        QFETCH(bool, byDone);
        list()->setCurrentIndex(0);
        QVERIFY(dragItem("Picture14", 0)); // dropped, never recorded
        QWidget* target = window == 1 ? form1_.data() : form2_.data();
        if (byDone)
            QTest::mouseClick(button(target, window == 1 ? "Command1" : "Command2"),
                              Qt::LeftButton);
        else
            target->close();
        QVERIFY(!form1_->isVisible());
        QVERIFY(!form2_->isVisible());
        QCOMPARE(h_->menu.returned, QStringList{"Command1"});
        processDeletes();
        QVERIFY(form1_.isNull());
        QVERIFY(form2_.isNull());
        QCOMPARE(h_->menu.returned, QStringList{"Command1"});
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
        QVERIFY(h_->sound.played.isEmpty());
    }

    void windowDeletedWithoutCloseStillReturns() {
        delete form2_.data();
        QVERIFY(!form1_->isVisible());
        QCOMPARE(h_->menu.returned, QStringList{"Command1"});
    }

    void menuEntryOpensCatalogueThenKeyWindow() {
        PageHarness other;
        const QList<QWidget*> windows = openProgramPage("Command1", other.services);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->objectName(), QStringLiteral("Form1"));
        QCOMPARE(windows[1]->objectName(), QStringLiteral("Form2"));
        QUELMAR_COMPARE_GOLDEN(other.written(), "buy_opened.cfg");
        windows[0]->close();
        QCOMPARE(other.menu.returned, QStringList{"Command1"});
        processDeletes();
    }
};

QTEST_MAIN(TestBuy)
#include "tst_buy.moc"
