// The five settings pages through the real main menu on a real X server:
// each is opened from its entry, worked a little and closed with Done; the
// script then holds the preamble and the five sections in the order visited.
// Message boxes are real too; a watcher answers them as the player would.
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

namespace {

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

// What a message box said, and what stood in a chosen box behind it.
struct SeenMessage {
    QString text;
    QString title;
    QString behind;
};

} // namespace

class TestPagesEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    ConfigStream config_;
    QtDialogs dialogs_;
    RecordingSoundCue sound_;
    std::unique_ptr<MainMenu> menu_;

    // Opens the page behind a menu entry with a real click.
    QWidget* open(const QString& entry, const QString& page) {
        QTest::mouseClick(menu_->entry(entry), Qt::LeftButton);
        QWidget* window = topLevel(page);
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    // Presses Done and waits for the page to go and the menu to come back.
    bool done(QWidget* page, const QString& entry) {
        QPointer<QWidget> alive(page);
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return alive.isNull(); }))
            return false;
        return menu_->isVisible() && !menu_->entry(entry)->isEnabled();
    }

  private slots:
    void initTestCase() {
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        menu_ = std::make_unique<MainMenu>(config_, dialogs_, sound_, &openProgramPage);
        QString error;
        QVERIFY2(menu_->load(&error), qPrintable(error));
        menu_->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu_.get()));
    }

    void fivePagesInTheOrderVisited() {
        // Sound: both volumes up and back down again.
        QWidget* sound = open(QStringLiteral("Command7"), QStringLiteral("SET5"));
        QVERIFY(sound);
        QVERIFY(!menu_->isVisible());
        auto* up = sound->findChild<QToolButton*>(QStringLiteral("Volume1_B_Up"));
        auto* down = sound->findChild<QToolButton*>(QStringLiteral("Volume1_B_Down"));
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(sound->findChild<QLineEdit*>(QStringLiteral("Volume1_Text1"))->text(),
                 QStringLiteral("1%"));
        QTest::mouseClick(down, Qt::LeftButton);
        QVERIFY(done(sound, QStringLiteral("Command7")));

        QWidget* video = open(QStringLiteral("Command5"), QStringLiteral("set3"));
        QVERIFY(video);
        QVERIFY(done(video, QStringLiteral("Command5")));

        // Player: a speed pushed to 800 brings the real warning; after OK the
        // editor is back at 400.
        QWidget* player = open(QStringLiteral("Command8"), QStringLiteral("SET6"));
        QVERIFY(player);
        auto* speedBox = player->findChild<QLineEdit*>(QStringLiteral("SPEED2_Text1"));
        QList<SeenMessage> seen;
        QTimer watcher;
        watcher.setInterval(10);
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->text(), box->windowTitle(), speedBox->text()});
            box->button(QMessageBox::Ok)->click();
        });
        watcher.start();
        auto* speedUp = player->findChild<QToolButton*>(QStringLiteral("SPEED2_B_Up"));
        for (int i = 0; i < 39; ++i)
            QTest::mouseClick(speedUp, Qt::LeftButton);
        QCOMPARE(speedBox->text(), QStringLiteral("790"));
        QVERIFY(seen.isEmpty());
        QTest::mouseClick(speedUp, Qt::LeftButton);
        watcher.stop();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text,
                 QStringLiteral("Не может быть больше, чем у сервера\rOбычно = 400 "));
        QCOMPARE(seen[0].title, QStringLiteral("Vorel"));
        QCOMPARE(seen[0].behind, QStringLiteral("800"));
        QCOMPARE(speedBox->text(), QStringLiteral("400"));
        QVERIFY(done(player, QStringLiteral("Command8")));

        QWidget* mouse = open(QStringLiteral("Command6"), QStringLiteral("SET4"));
        QVERIFY(mouse);
        QVERIFY(done(mouse, QStringLiteral("Command6")));

        QWidget* other = open(QStringLiteral("Command4"), QStringLiteral("SET2"));
        QVERIFY(other);
        QVERIFY(done(other, QStringLiteral("Command4")));

        QCOMPARE(sound_.played, QList<int>({4, 4, 4, 4, 4}));
        QByteArray expected = goldenBytes(QStringLiteral("preamble_only.cfg"));
        for (const char* golden :
             {"sound_defaults.cfg", "video_defaults.cfg", "player_defaults.cfg",
              "mouse_defaults.cfg", "other_defaults.cfg"})
            expected += goldenBytes(QLatin1String(golden));
        QCOMPARE(readBytes(TempConfigFile::path()), expected);
    }
};

QTEST_MAIN(TestPagesEndToEnd)
#include "tst_pages_e2e.moc"
