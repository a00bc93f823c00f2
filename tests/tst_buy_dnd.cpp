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

// Which face the pointer shows: none (no drag, the default arrow), or one of
// the two drag faces, or some other cursor.
enum class Pointer { Default, Smiling, Frowning, Other };

Pointer pointerNow() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (!cursor)
        return Pointer::Default;
    const QImage image = cursor->pixmap().toImage();
    if (image == buy::smilingCursor().toImage())
        return Pointer::Smiling;
    if (image == buy::frowningCursor().toImage())
        return Pointer::Frowning;
    return Pointer::Other;
}

// Plays xdotool commands one after another. After each command it waits,
// while the program goes on handling events (inside a running drag too),
// until that step's condition holds; only then does the next one start. So
// nothing depends on how fast the machine is. A condition that never comes
// true is given up after a long while and the script plays on, so that the
// button is let go and a failing run ends instead of hanging in the drag.
class PointerScript : public QObject {
  public:
    explicit PointerScript(QString xdotool) : xdotool_(std::move(xdotool)) {
        connect(&tick_, &QTimer::timeout, this, &PointerScript::poll);
    }

    void add(const QStringList& args, std::function<bool()> until = {}) {
        steps_.append({args, std::move(until)});
    }

    void start() { tick_.start(5); }
    bool finished() const { return next_ == steps_.size() && !waiting_; }
    bool failed() const { return !failures_.isEmpty(); }
    QString failures() const { return failures_.join(QStringLiteral("; ")); }

  private:
    struct Step {
        QStringList args;
        std::function<bool()> until;
    };

    void poll() {
        if (process_.state() != QProcess::NotRunning)
            return;
        if (waiting_) {
            const Step& done = steps_.at(next_ - 1);
            const QString what = done.args.join(QLatin1Char(' '));
            if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0) {
                failures_ << QStringLiteral("xdotool %1 failed").arg(what);
            } else if (done.until && !done.until()) {
                if (!sinceStart_.hasExpired(kGiveUpMs))
                    return;
                failures_
                    << QStringLiteral("after xdotool %1 the program never caught up").arg(what);
            }
            waiting_ = false;
        }
        if (next_ == steps_.size()) {
            tick_.stop();
            return;
        }
        process_.start(xdotool_, steps_.at(next_++).args);
        sinceStart_.start();
        waiting_ = true;
    }

    QString xdotool_;
    QList<Step> steps_;
    qsizetype next_ = 0;
    static constexpr qint64 kGiveUpMs = 30000;
    bool waiting_ = false;
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
        QVERIFY2(!script.failed(), qPrintable(script.failures()));
    }

    void click(QWidget* w) {
        // An option reacts on its round mark and caption, not across its width.
        const bool option = qobject_cast<QRadioButton*>(w);
        PointerScript script(xdotool_);
        script.add(moveTo(option ? w->mapToGlobal(QPoint(8, 13)) : centreOf(w)));
        script.add({"click", "1"});
        play(script);
    }

    // Presses button on the item, passes over the key window's background
    // (frowning face) to the destination and lets go there; the face there
    // smiles exactly when the destination takes the drop.
    void drag(const QString& item, QPoint destination, bool takes, int button) {
        QWidget* source = in<QWidget>(form1_, item);
        QVERIFY(source && source->isVisible());
        const QString b = QString::number(button);
        Pointer overBackground = Pointer::Other;
        PointerScript script(xdotool_);
        script.add(moveTo(centreOf(source)));
        script.add({"mousedown", b}, [] { return pointerNow() != Pointer::Default; });
        script.add(moveTo(form2_->mapToGlobal(QPoint(300, 10))), [&] {
            overBackground = pointerNow();
            return overBackground == Pointer::Frowning;
        });
        script.add(moveTo(destination), [takes] {
            return pointerNow() == (takes ? Pointer::Smiling : Pointer::Frowning);
        });
        script.add({"mouseup", b}, [] { return pointerNow() == Pointer::Default; });
        play(script);
        QCOMPARE(overBackground, Pointer::Frowning);
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
        in<QComboBox>(form2_, "List")->setCurrentIndex(0); // "F1"
        click(in<QRadioButton>(form1_, "Option4"));
        QTRY_VERIFY(in<QWidget>(form1_, "Frame4")->isVisible());
        dragToSlot("Picture14", 0);
        QTRY_VERIFY(!slot(0)->picture().isNull());

        // Equipment, and a right press starts a drag just as well.
        click(in<QRadioButton>(form1_, "Option6"));
        QTRY_VERIFY(in<QWidget>(form1_, "Frame6")->isVisible());
        dragToSlot("Picture24", 1, 3);
        dragToSlot("Picture29", 7);
        QTRY_VERIFY(!slot(7)->picture().isNull());
        QVERIFY(!slot(1)->picture().isNull());

        // Let go over the key window outside a slot: nothing changes.
        drag("Picture23", form2_->mapToGlobal(QPoint(218, 300)), false, 1);
        for (int i : {2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13})
            QVERIFY(slot(i)->picture().isNull());

        click(in<QPushButton>(form2_, "Command1"));
        QTRY_COMPARE(h_->written(), goldenBytes("buy_example.cfg"));
        QVERIFY(slot(0)->picture().isNull());

        click(in<QPushButton>(form1_, "Command1")); // "Done"
        QTRY_COMPARE(h_->menu.returned, QStringList{"Command1"});
        QVERIFY(!form2_ || !form2_->isVisible());
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_example.cfg");
    }

    void disabledSlotsFrownAndTakeNothing() {
        // No key chosen: the slots refuse, the face frowns over them too.
        click(in<QRadioButton>(form1_, "Option1"));
        QTRY_VERIFY(in<QWidget>(form1_, "Frame1")->isVisible());
        dragToSlot("Picture1", 3);
        QVERIFY(slot(3)->picture().isNull());
        QUELMAR_COMPARE_GOLDEN(h_->written(), "buy_opened.cfg");
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
