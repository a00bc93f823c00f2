// A settings page through the real main menu on a real X server, for what
// only a real window system shows: the real warning box, answered by a
// watcher as the player would, and the menu entry greyed after Done. The walk
// over every page is the offscreen whole-program test's.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/PageCatalog.h"
#include "config/TempConfigFile.h"
#include "platform/QtDialogs.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestPagesEndToEnd : public QObject {
    Q_OBJECT

  private slots:
    void speedWarningIsARealBox() {
        QTemporaryDir tmp;
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        ConfigStream config;
        QtDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, &openProgramPage);
        QString error;
        QVERIFY2(menu.load(&error), qPrintable(error));
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QTest::mouseClick(menu.entry(QStringLiteral("Command8")), Qt::LeftButton);
        QPointer<QWidget> player;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("SET6") && w->isVisible())
                player = w;
        }
        QVERIFY(player && QTest::qWaitForWindowExposed(player));
        QVERIFY(!menu.isVisible());

        // SPEED2 pushed to 800: the real box shows while the limit stands in
        // the editor; after OK the editor is back at 400.
        auto* speedBox = player->findChild<QLineEdit*>(QStringLiteral("SPEED2_Text1"));
        QStringList seen; // text, title, and the editor behind the box
        QTimer watcher;
        watcher.setInterval(10);
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen << box->text() << box->windowTitle() << speedBox->text();
            box->button(QMessageBox::Ok)->click();
        });
        watcher.start();
        for (int i = 0; i < 40; ++i)
            QTest::mouseClick(player->findChild<QToolButton*>("SPEED2_B_Up"), Qt::LeftButton);
        watcher.stop();
        QCOMPARE(seen, QStringList(
                           {"Не может быть больше, чем у сервера\rOбычно = 400 ", "Vorel", "800"}));
        QCOMPARE(speedBox->text(), QStringLiteral("400"));

        QTest::mouseClick(player->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return player.isNull(); }));
        QVERIFY(menu.isVisible());
        QVERIFY(!menu.entry(QStringLiteral("Command8"))->isEnabled());
        QCOMPARE(readBytes(TempConfigFile::path()),
                 goldenBytes("preamble_only.cfg") + goldenBytes("player_defaults.cfg"));
    }
};

QTEST_MAIN(TestPagesEndToEnd)
#include "tst_pages_e2e.moc"
