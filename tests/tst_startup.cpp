// Start-up order, the WaiT delay, and a start that cannot create its file.
#include "app/MainMenu.h"
#include "app/Program.h"
#include "app/SplashWindow.h"
#include "app/WaiT.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    void waitIntervals_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("interval");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.5") << 0.5 << 500;
        QTest::newRow("0.0005 rounds to even 0") << 0.0005 << 0;
        QTest::newRow("0.0015 rounds to even 2") << 0.0015 << 2;
        QTest::newRow("0.0025 rounds to even 2") << 0.0025 << 2;
        QTest::newRow("1") << 1.0 << 1000;
        QTest::newRow("negative") << -3.0 << 0;
    }
    void waitIntervals() {
        QFETCH(double, seconds);
        QFETCH(int, interval);
        QCOMPARE(WaiT::intervalFor(seconds), interval);
    }

    void waitKeepsEventsRunning() {
        WaiT w;
        bool ranDuringWait = false;
        QTimer::singleShot(20, [&] { ranDuringWait = w.isWaiting(); });
        QElapsedTimer clock;
        clock.start();
        w.wait(0.5);
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 495, qPrintable(QString::number(took)));
        QVERIFY(ranDuringWait);
        QVERIFY(!w.isWaiting());
    }

    void zeroWaitsReturnAtOnce() {
        WaiT w;
        QElapsedTimer clock;
        clock.start();
        w.wait(0);
        w.wait(0.0005);
        QVERIFY(clock.elapsed() < 50);
    }

    void splashLayout() {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(splash.size(), QSize(408, 311));
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(0, 0, 128));
        auto* pic = splash.findChild<QLabel*>(QStringLiteral("Pic"));
        QVERIFY(pic);
        QCOMPARE(pic->geometry(), QRect(8, 8, 393, 297));
        const QImage picture = pic->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(400, 300));
        QCOMPARE(picture.pixelColor(2, 2), QColor(0, 0, 0)); // black field
        // Something blue above the middle (the loading line), red below it.
        auto hasColour = [&](int top, int bottom, auto test) {
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < 400; ++x)
                    if (test(picture.pixelColor(x, y)))
                        return true;
            return false;
        };
        QVERIFY(hasColour(40, 120, [](QColor c) { return c.blue() > 200 && c.red() < 100; }));
        QVERIFY(hasColour(200, 290, [](QColor c) { return c.red() > 200 && c.blue() < 60; }));
    }

    void menuLoadsBeforeTheSplashGoesAndShowsAfter() {
        QTemporaryDir tmp;
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;

        // Watch the splash go: at that moment the script must already hold the
        // preamble and no main menu may be on screen yet.
        bool checked = false;
        QByteArray fileWhenSplashWent;
        bool menuVisibleWhenSplashWent = true;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* s = qobject_cast<SplashWindow*>(w)) {
                    QVERIFY(s->isVisible());
                    connect(
                        s, &SplashWindow::unloaded, s,
                        [&] {
                            fileWhenSplashWent = readBytes(TempConfigFile::path());
                            menuVisibleWhenSplashWent = false;
                            for (QWidget* t : QApplication::topLevelWidgets())
                                if (qobject_cast<MainMenu*>(t) && t->isVisible())
                                    menuVisibleWhenSplashWent = true;
                            checked = true;
                        },
                        Qt::DirectConnection);
                }
            }
        });
        QElapsedTimer clock;
        clock.start();
        auto menu = startProgram(config, dialogs, sound, {}, 1);
        QVERIFY(clock.elapsed() >= 990);
        QVERIFY(menu);
        QVERIFY(checked);
        QVERIFY(!menuVisibleWhenSplashWent);
        QCOMPARE(fileWhenSplashWent, goldenBytes(QStringLiteral("preamble_only.cfg")));
        QVERIFY(menu->isVisible());
        QVERIFY(dialogs.asked.isEmpty());
    }

    void startWithoutATempFolderSaysWhereAndFails() {
        qputenv("TMPDIR", "/nonexistent/quelmar");
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        auto menu = startProgram(config, dialogs, sound, {}, 0);
        QVERIFY(!menu);
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("/nonexistent/quelmar/cfg.cfg")));
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Vorel"));
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
