// Real drag and drop between the catalogue and the key window under an X
// server: the real pointer, moved and pressed with xdotool, carries items
// into slots, and the drag pointer smiles over a slot and frowns elsewhere.
#include "buy/BuyLook.h"
#include "buy/BuyPage.h"
#include "buy/KeySlot.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// The face the pointer shows in a drag; a null image while no drag runs.
QImage faceNow() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->pixmap().toImage() : QImage();
}

// Plays xdotool commands one by one; after each it waits, while the program
// handles events (inside a running drag too), until that step's condition
// holds, so nothing depends on the machine's speed. A condition that never
// holds is given up after a while and the script plays on: the button is let
// go and a failing run ends instead of hanging in the drag.
class PointerScript : public QObject {
  public:
    explicit PointerScript(QString xdotool) : xdotool_(std::move(xdotool)) {
        connect(&tick_, &QTimer::timeout, this, &PointerScript::poll);
    }

    void add(
        const QStringList& args, std::function<bool()> until = [] { return true; }) {
        steps_.append({args, std::move(until)});
    }

    void start() { tick_.start(5); }
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
            const bool caughtUp = ran && until();
            if (ran && !caughtUp && !sinceStart_.hasExpired(30000))
                return;
            if (!caughtUp)
                failures_ << (ran ? QStringLiteral("after xdotool %1 the program never caught up")
                                  : QStringLiteral("xdotool %1 failed"))
                                 .arg(args.join(QLatin1Char(' ')));
        }
        if (++current_ == steps_.size())
            return tick_.stop();
        process_.start(xdotool_, steps_.at(current_).first);
        sinceStart_.start();
    }

    QString xdotool_;
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

class TestBuyDragAndDrop : public QObject {
    Q_OBJECT

    QString xdotool_;
    std::unique_ptr<PageHarness> h_;
    QPointer<QWidget> form1_;
    QPointer<QWidget> form2_;

    template <typename T> T* in(QWidget* w, const QString& name) { return w->findChild<T*>(name); }
    KeySlot* slot(int i) { return in<KeySlot>(form2_, QStringLiteral("Key_%1").arg(i)); }

    void play(PointerScript& script) {
        script.start();
        QTRY_VERIFY_WITH_TIMEOUT(script.finished(), 120000);
        QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures()));
    }

    void clickAt(QPoint p) {
        PointerScript script(xdotool_);
        script.add(moveTo(p));
        script.add({"click", "1"});
        play(script);
    }
    void clickButton(QWidget* window) { clickAt(centreOf(in<QPushButton>(window, "Command1"))); }

    // Shows a category's group by a click on the round mark of its option
    // (it reacts there and on its caption, not across its width).
    void showGroup(int category) {
        auto* option = in<QRadioButton>(form1_, QStringLiteral("Option%1").arg(category));
        clickAt(option->mapToGlobal(QPoint(8, 13)));
        QTRY_VERIFY(in<QWidget>(form1_, QStringLiteral("Frame%1").arg(category))->isVisible());
    }

    // Presses button on the item, passes over the key window's background
    // (frowning face) to the destination and lets go there; the face there
    // smiles exactly when the destination takes the drop.
    void drag(const QString& item, QPoint destination, bool takes, int button) {
        QWidget* source = in<QWidget>(form1_, item);
        QVERIFY(source && source->isVisible());
        const QImage smile = buy::smilingCursor().toImage();
        const QImage frown = buy::frowningCursor().toImage();
        const QString b = QString::number(button);
        PointerScript script(xdotool_);
        script.add(moveTo(centreOf(source)));
        script.add({"mousedown", b}, [] { return !faceNow().isNull(); });
        script.add(moveTo(form2_->mapToGlobal(QPoint(300, 10))),
                   [&] { return faceNow() == frown; });
        script.add(moveTo(destination), [&] { return faceNow() == (takes ? smile : frown); });
        script.add({"mouseup", b}, [] { return faceNow().isNull(); });
        play(script);
    }

    void dragToSlot(const QString& item, int index, int button = 1) {
        drag(item, centreOf(slot(index)), slot(index)->isEnabled(), button);
    }

  private slots:
    void initTestCase() {
        xdotool_ = QStandardPaths::findExecutable("xdotool");
        if (xdotool_.isEmpty())
            QSKIP("xdotool is missing (Debian package xdotool): the real pointer cannot be "
                  "driven, so the drag and drop test does not run");
    }

    void init() {
        h_ = std::make_unique<PageHarness>();
        const QList<QWidget*> windows = BuyPage::open(h_->services);
        form1_ = windows[0];
        form2_ = windows[1];
        for (QWidget* w : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
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
        showGroup(4);
        dragToSlot("Picture14", 0);
        QVERIFY(slot(0)->picture().isNull());

        in<QComboBox>(form2_, "List")->setCurrentIndex(0); // "F1"
        dragToSlot("Picture14", 0);
        QTRY_VERIFY(!slot(0)->picture().isNull());
        showGroup(6); // equipment, and a right press starts a drag just as well
        dragToSlot("Picture24", 1, 3);
        dragToSlot("Picture29", 7);
        // Let go over the key window outside a slot: nothing changes.
        drag("Picture23", form2_->mapToGlobal(QPoint(218, 300)), false, 1);
        QTRY_VERIFY(!slot(7)->picture().isNull());
        for (int i = 0; i < 14; ++i)
            QCOMPARE(slot(i)->picture().isNull(), i != 0 && i != 1 && i != 7);

        clickButton(form2_); // record
        QTRY_COMPARE(h_->written(), goldenBytes("buy_example.cfg"));
        clickButton(form1_); // "Done"
        QTRY_COMPARE(h_->menu.returned, QStringList{"Command1"});
        QVERIFY(!form2_ || !form2_->isVisible());
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_example.cfg");
    }
};

int main(int argc, char** argv) {
    // The test needs no session bus. Keeping off it also keeps whatever bus
    // the machine runs out of the test, and the bus library's own leaks out
    // of the sanitizer build's report.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    TestBuyDragAndDrop test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_buy_dnd.moc"
