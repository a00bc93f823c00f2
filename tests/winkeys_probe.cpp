// The command page on the real Windows platform, its first key field
// listening: prints "ready" and where the field is on the screen, then the
// text each captured key, button or wheel turn leaves in the field (empty
// for a key without a console name) and the virtual key the platform gave
// last, one a line, and listens again. wine_keys.sh presses the keys and
// buttons on the X server Wine draws on, so each one comes the whole way a
// player's does.
#include "app/MenuTable.h"
#include "binds/CommandPage.h"
#include "binds/KeyFieldGroup.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace quelmar;

namespace {

// Watches the keys go by. The field listens again only once they have been
// quiet a while: Tab locks it while still held, and Wine follows a press of
// Num Lock or Scroll Lock with a second press and release of its own, which
// a locked field ignores but a listening one would take.
class KeyWatch : public QObject {
  public:
    QElapsedTimer quiet;
    bool released = false;
    quint32 lastVirtualKey = 0;

    KeyWatch() { quiet.start(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            quiet.restart();
            if (event->type() == QEvent::KeyPress)
                lastVirtualKey = key->nativeVirtualKey();
            else if (!key->isAutoRepeat())
                released = true;
        }
        // A button or the wheel locks the field with no key released.
        if (QList{QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::Wheel}.contains(
                event->type())) {
            quiet.restart();
            released = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    test::PageHarness harness;
    auto* page =
        qobject_cast<CommandPage*>(openProgramPage(MenuPage::Commands, harness.services).value(0));
    if (!page)
        return 2;
    QWidget* target = page->findChild<QWidget*>(QStringLiteral("Label1_0"));
    const KeyFieldGroup& fields = page->fields();
    const auto listen = [&] {
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
    };
    KeyWatch keys;
    app.installEventFilter(&keys);
    QTextStream out(stdout);
    QTimer poll;
    poll.callOnTimeout([&] {
        if (fields.state(0) != KeyFieldState::Captured || !keys.released ||
            keys.quiet.elapsed() < 50)
            return;
        keys.released = false;
        const QString text = fields.text(0);
        listen();
        out << text << '\t' << keys.lastVirtualKey << Qt::endl;
    });
    page->show();
    page->activateWindow();
    if (!QTest::qWaitForWindowExposed(page, test::kPatience))
        return 3;
    listen();
    if (fields.state(0) != KeyFieldState::Listening)
        return 4;
    const QPoint at = target->mapToGlobal(target->rect().center());
    out << "ready " << QGuiApplication::platformName() << ' ' << at.x() << ' ' << at.y()
        << Qt::endl;
    poll.start(2);
    return app.exec();
}
