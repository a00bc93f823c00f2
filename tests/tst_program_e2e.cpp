// The whole program as a player walks it: every page opened from the real
// menu in turn and closed with its Done, then the script saved. The saved
// file must be the preamble and the seven sections in the order visited.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/PageCatalog.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestProgramEndToEnd : public QObject {
    Q_OBJECT

    static QWidget* window(const QString& name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible())
                return w;
        }
        return nullptr;
    }

    static void pressDone(const QString& windowName, const QString& buttonName) {
        QWidget* page = window(windowName);
        QVERIFY2(page, qPrintable(windowName));
        auto* done = page->findChild<QPushButton*>(buttonName);
        QVERIFY2(done, qPrintable(windowName + "/" + buttonName));
        QTest::mouseClick(done, Qt::LeftButton);
    }

private slots:
    void everyPageInTurnThenSave() {
        QTemporaryDir tmp;
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, &openProgramPage);
        QVERIFY(menu.load(nullptr));
        menu.show();
        QSignalSpy unloaded(&menu, &MainMenu::unloaded);

        // entry, window that holds Done, Done's name
        const QList<std::tuple<QString, QString, QString>> walk = {
            {"Command1", "Form2", "Command2"}, // weapons: the key window's Done
            {"Command5", "set3", "Command2"},  {"Command2", "Set1", "Command2"},
            {"Command6", "SET4", "Command2"},  {"Command7", "SET5", "Command2"},
            {"Command8", "SET6", "Command2"},  {"Command4", "SET2", "Command2"},
        };
        for (const auto& [entry, windowName, done] : walk) {
            QTest::mouseClick(menu.entry(entry), Qt::LeftButton);
            QVERIFY2(!menu.isVisible(), qPrintable(entry));
            pressDone(windowName, done);
            QVERIFY2(menu.isVisible(), qPrintable(entry));
            QVERIFY(!menu.entry(entry)->isEnabled());
        }
        QCOMPARE(sound.played, QList<int>(7, 4)); // one cue per page opened
        QVERIFY(menu.entry("Command3")->isEnabled());
        QCoreApplication::processEvents(); // let the closed windows go

        const QString target = tmp.filePath("player.cfg");
        dialogs.answerSaveAs(target);
        QTest::mouseClick(menu.entry("Command3"), Qt::LeftButton);
        QUELMAR_COMPARE_GOLDEN(readBytes(target), "whole_defaults.cfg");
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "whole_defaults.cfg");
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(sound.played.size(), 8);
    }
};

QTEST_MAIN(TestProgramEndToEnd)
#include "tst_program_e2e.moc"
