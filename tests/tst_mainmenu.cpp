// The main menu: entries, the way back from a page, the about box, save.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "config/TempConfigFile.h"
#include "controls/PageWindow.h"
#include "tests/support/Golden.h"

#include <QFile>
#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// A page as small as a page can be: it writes a section with one line.
class StandInPage : public PageWindow {
  public:
    StandInPage(Services& s, const QString& entry, Section section, QString line)
        : PageWindow(s, QStringLiteral("StandIn") + entry, entry, 100, 80), section_(section),
          line_(std::move(line)) {
        addDoneButton(QRect(8, 8, 41, 19));
    }

  protected:
    void writeSection(ConfigStream& config) override {
        config.beginSection(section_);
        config.writeLine(line_);
    }

  private:
    Section section_;
    QString line_;
};

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    std::unique_ptr<ConfigStream> config_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<RecordingSoundCue> sound_;
    std::unique_ptr<MainMenu> menu_;
    QList<QPointer<QWidget>> opened_;

    QPushButton* doneOf(QWidget* page) {
        return page->findChild<QPushButton*>(QStringLiteral("Command2"));
    }

    void click(const QString& entry) {
        MenuEntry* e = menu_->entry(entry);
        QVERIFY(e);
        QTest::mouseClick(e, Qt::LeftButton);
    }

  private slots:
    void init() {
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        config_ = std::make_unique<ConfigStream>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        sound_ = std::make_unique<RecordingSoundCue>();
        opened_.clear();
        auto factory = [this](const QString& entry, Services& s) -> QList<QWidget*> {
            QWidget* page = nullptr;
            if (entry == QLatin1String("Command5"))
                page = new StandInPage(s, entry, Section::Video, QStringLiteral("gamma \"1\""));
            else if (entry == QLatin1String("Command7"))
                page = new StandInPage(s, entry, Section::Sound, QStringLiteral("volume \"0\""));
            if (!page)
                return {};
            opened_.append(page);
            return {page};
        };
        menu_ = std::make_unique<MainMenu>(*config_, *dialogs_, *sound_, factory);
        QString error;
        QVERIFY2(menu_->load(&error), qPrintable(error));
        menu_->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu_.get()));
    }

    void cleanup() {
        for (const auto& w : opened_)
            delete w.data();
        menu_.reset();
    }

    void layout() {
        QCOMPARE(menu_->windowTitle(), QStringLiteral("Quelmar"));
        QCOMPARE(menu_->size(), QSize(203, 299));
        QVERIFY(!(menu_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(menu_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(menu_->entry(QStringLiteral("Command2"))->geometry(), QRect(40, 128, 90, 23));
        auto* command9 = menu_->findChild<QPushButton*>(QStringLiteral("Command9"));
        QVERIFY(command9 && command9->x() >= menu_->width()); // out of the player's sight
    }

    void timer2PressesCommand9Once() {
        QSignalSpy started(menu_.get(), &MainMenu::flameStarted);
        QTRY_COMPARE(started.count(), 1);
        QTest::qWait(50);
        QCOMPARE(started.count(), 1);
    }

    void pageOpensAndComesBack() {
        click(QStringLiteral("Command5"));
        QCOMPARE(opened_.size(), 1);
        QWidget* page = opened_[0];
        QVERIFY(page->isVisible());
        QVERIFY(!menu_->isVisible());
        QCOMPARE(sound_->played, QList<int>{4});

        QTest::mouseClick(doneOf(page), Qt::LeftButton);
        QTRY_VERIFY(opened_[0].isNull()); // unloaded: the window is gone
        QVERIFY(menu_->isVisible());
        QVERIFY(!menu_->entry(QStringLiteral("Command5"))->isEnabled());
        QVERIFY(menu_->entry(QStringLiteral("Command7"))->isEnabled());
        QCOMPARE(sound_->played, QList<int>{4}); // Done plays nothing

        // A disabled entry ignores clicks; the others still open.
        click(QStringLiteral("Command5"));
        QCOMPARE(opened_.size(), 1);
        QVERIFY(menu_->isVisible());
        click(QStringLiteral("Command7"));
        QCOMPARE(opened_.size(), 2);
        QVERIFY(!menu_->isVisible());
    }

    void sectionsFollowTheOrderOfVisits() {
        click(QStringLiteral("Command7"));
        QTest::mouseClick(doneOf(opened_.last()), Qt::LeftButton);
        click(QStringLiteral("Command5"));
        QTest::mouseClick(doneOf(opened_.last()), Qt::LeftButton);
        const QByteArray expected = goldenBytes(QStringLiteral("preamble_only.cfg")) +
                                    "\r\n// [ Sound Setting ] \r\nvolume \"0\"\r\n"
                                    "\r\n// [ Video Setting ] \r\ngamma \"1\"\r\n";
        QCOMPARE(readBytes(TempConfigFile::path()), expected);
    }

    void pageClosedWithoutDoneWritesOnceAndReturns() {
        click(QStringLiteral("Command5"));
        QPointer<QWidget> page = opened_.last();
        page->close(); // as the window manager would
        QTRY_VERIFY(page.isNull());
        QVERIFY(menu_->isVisible());
        QVERIFY(!menu_->entry(QStringLiteral("Command5"))->isEnabled());
        const QByteArray written = readBytes(TempConfigFile::path());
        QCOMPARE(written.count("// [ Video Setting ] "), 1);
    }

    void entryWithoutAPageDoesNothing() {
        click(QStringLiteral("Command8"));
        QVERIFY(menu_->isVisible());
        QVERIFY(sound_->played.isEmpty());
        QVERIFY(menu_->entry(QStringLiteral("Command8"))->isEnabled());
    }

    void aboutBoxOnlyOnTheRightButton() {
        QList<int> playedWhileOpen{-1};
        dialogs_->whileMessageOpen = [&](const AskedDialog&) { playedWhileOpen = sound_->played; };

        // Left and middle presses on the background: nothing.
        QTest::mouseClick(menu_.get(), Qt::LeftButton, {}, QPoint(5, 240));
        QTest::mouseClick(menu_.get(), Qt::MiddleButton, {}, QPoint(5, 240));
        QVERIFY(dialogs_->asked.isEmpty());

        // Right press on an entry, on the heading and on the flame: nothing.
        QTest::mouseClick(menu_->entry(QStringLiteral("Command5")), Qt::RightButton);
        QTest::mouseClick(menu_->entry(QStringLiteral("Command3")), Qt::RightButton);
        QTest::mouseClick(menu_->findChild<QWidget*>(QStringLiteral("Label1")), Qt::RightButton);
        QTest::mouseClick(menu_->findChild<QWidget*>(QStringLiteral("Picture1")), Qt::RightButton);
        QVERIFY(dialogs_->asked.isEmpty());
        QVERIFY(sound_->played.isEmpty());

        // Right press on the background: the box, then cue 5 after it closed.
        QTest::mousePress(menu_.get(), Qt::RightButton, {}, QPoint(5, 240));
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].kind, AskedDialog::Message);
        QCOMPARE(dialogs_->asked[0].text, QStringLiteral("    Made by Vorel"));
        QCOMPARE(dialogs_->asked[0].title, QString());
        QVERIFY(playedWhileOpen.isEmpty());
        QCOMPARE(sound_->played, QList<int>{5});

        // And on Frame1, away from its labels.
        auto* frame = menu_->findChild<QWidget*>(QStringLiteral("Frame1"));
        QTest::mousePress(frame, Qt::RightButton, {}, QPoint(170, 10));
        QCOMPARE(dialogs_->asked.size(), 2);
        QCOMPARE(sound_->played, (QList<int>{5, 5}));
    }

    void saveCancelledChangesNothing() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        const QString game =
            tmp_.filePath(QStringLiteral(".steam/steam/steamapps/common/Half-Life/cstrike"));
        QVERIFY(QDir().mkpath(game));
        qputenv("HOME", tmp_.path().toLocal8Bit()); // where the Save As dialog looks for Steam
        click(QStringLiteral("Command3"));
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].kind, AskedDialog::SaveAs);
        QCOMPARE(dialogs_->asked[0].text, QStringLiteral("(*.cfg)"));
        QCOMPARE(dialogs_->asked[0].startFolder, QDir(game).canonicalPath());
        QVERIFY(sound_->played.isEmpty());
        QVERIFY(menu_->isVisible());
        QCOMPARE(unloaded.count(), 0);
        QCOMPARE(QDir(tmp_.path()).entryList(QDir::Files), QStringList{QStringLiteral("cfg.cfg")});
    }

    void saveWithNoPageVisited() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        const QString target = tmp_.filePath(QStringLiteral("mine")); // no suffix added
        dialogs_->answerSaveAs(target);
        click(QStringLiteral("Command3"));
        QUELMAR_COMPARE_GOLDEN(readBytes(target), "preamble_only.cfg");
        QCOMPARE(sound_->played, QList<int>{4});
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!menu_->isVisible());
        // The temporary script stays behind.
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    void aFailedSaveKeepsTheMenuAndEverything() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        const QString bad = tmp_.filePath(QStringLiteral("missing/folder/x.cfg"));
        dialogs_->answerSaveAs(bad);
        click(QStringLiteral("Command3"));
        QCOMPARE(dialogs_->asked.size(), 2);
        QVERIFY(dialogs_->asked[1].text.contains(bad));
        QVERIFY(dialogs_->asked[1].text.contains(QStringLiteral("Файл не создан.")));
        QCOMPARE(dialogs_->asked[1].title, QStringLiteral("Vorel"));
        QVERIFY(sound_->played.isEmpty());
        QVERIFY(menu_->isVisible());
        QCOMPARE(unloaded.count(), 0);
        const QString good = tmp_.filePath(QStringLiteral("good.cfg"));
        dialogs_->answerSaveAs(good);
        click(QStringLiteral("Command3"));
        QUELMAR_COMPARE_GOLDEN(readBytes(good), "preamble_only.cfg");
        QCOMPARE(sound_->played, QList<int>{4});
        QCOMPARE(unloaded.count(), 1);
    }

    void closingTheMenuEndsWithoutSaving() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        menu_->close();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(dialogs_->asked.isEmpty());
        QVERIFY(sound_->played.isEmpty());
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
