// The application shell: start-up order and its one-second delay, the main
// menu with its entries, the way back from a page, the about box and save,
// the flame and the sound cues, and the whole program walked page by page.
#include "app/ConsoleStart.h"
#include "app/FireBuffer.h"
#include "app/FlameView.h"
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/MenuTable.h"
#include "app/Program.h"
#include "app/SplashWindow.h"
#include "app/WaiT.h"
#include "config/TempConfigFile.h"
#include "platform/SoundCue.h"
#include "platform/WavFormat.h"
#include "resources/Assets.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// The flame as first written, a step at a time with Rnd in single precision:
// the oracle for the program's frame, which draws three numbers at once and
// rounds on their raw integers.
struct PlainFlame {
    std::uint32_t state = 0x50000;
    int heat[FireBuffer::kRows][FireBuffer::kColumns] = {};

    float rnd() {
        state = (state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return float(state) / 16777216.0f;
    }
    void fuel() {
        for (int y = FireBuffer::kHotRow; y < FireBuffer::kRows; ++y)
            std::fill_n(heat[y], FireBuffer::kColumns, 50);
    }
    void frame(FireBuffer::Picture& picture) {
        const auto channel = [](double v) { return std::uint32_t(std::min(v, 255.0)); };
        for (int y = FireBuffer::kRows - 1; y >= FireBuffer::kTopRow; --y) {
            for (int x = 0; x < FireBuffer::kColumns; ++x) {
                const int cooling = int(3 * rnd());
                if (heat[y][x] - cooling >= 0)
                    heat[y][x] -= cooling;
                heat[y - int(3 * rnd())][x] = heat[y][x];
                const double c = std::floor(heat[y][x] * 5.12);
                picture[y * FireBuffer::kPictureWidth + x + int(std::nearbyint(2 * rnd()))] =
                    0xFF000000u | channel(2 * c) << 16 | channel(c) << 8 |
                    channel(std::nearbyint(c / 2));
            }
        }
        fuel();
    }
};

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    TempFolderAs tempFolder_{tmp_.path()};
    std::unique_ptr<ConfigStream> config_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<RecordingSoundCue> sound_;
    std::unique_ptr<MainMenu> menu_;
    QList<QPointer<QWidget>> opened_;

    void click(const char* entry) { QTest::mouseClick(menu_->entry(entry), Qt::LeftButton); }

  private slots:
    void init() {
        config_ = std::make_unique<ConfigStream>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        sound_ = std::make_unique<RecordingSoundCue>();
        opened_.clear();
        // The real pages, but none behind the player page's entry.
        auto factory = [this](MenuPage entry, const Services& s,
                              const PageStarts& starts) -> QList<QWidget*> {
            const QList<QWidget*> page =
                entry == MenuPage::Player ? QList<QWidget*>() : openProgramPage(entry, s, starts);
            for (QWidget* w : page)
                opened_.append(w);
            return page;
        };
        menu_ = std::make_unique<MainMenu>(*config_, *dialogs_, *sound_, factory);
        QString error;
        QVERIFY2(menu_->load(&error), qPrintable(error));
        menu_->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu_.get(), 3000));
    }

    void cleanup() {
        for (const auto& w : opened_)
            delete w.data();
        menu_.reset();
    }

    // The flame's hidden button is pressed once by the timer, and the flame
    // goes on while the menu is hidden.
    void flameStartsOnceAndGoesOnHidden() {
        auto* command9 = menu_->findChild<QPushButton*>(QStringLiteral("Command9"));
        QVERIFY(command9 && command9->x() >= menu_->width());
        FlameView* flame = menu_->flame();
        const QImage first = flame->grab().toImage();
        QTRY_VERIFY_WITH_TIMEOUT(flame->grab().toImage() != first, 3000);
        QSignalSpy started(menu_.get(), &MainMenu::flameStarted);
        menu_->hide();
        const QImage before = flame->grab().toImage();
        QTRY_VERIFY_WITH_TIMEOUT(flame->grab().toImage() != before, 3000);
        QCOMPARE(started.count(), 0); // pressed once only, before
    }

    // Beyond the walk below: a greyed entry or one without a page does
    // nothing, a page closed otherwise comes back too, Done plays nothing.
    void pageOpensAndComesBack() {
        click("Command5");
        QTest::mouseClick(opened_[0]->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(opened_[0].isNull(), 3000); // unloaded: the window is gone
        QVERIFY(menu_->isVisible() && menu_->entry("Command7")->isEnabled());
        QCOMPARE(sound_->played, QList<Cue>{Cue::PageOpened});
        click("Command5"); // disabled: ignored
        click("Command8"); // no page behind it: nothing
        QCOMPARE(opened_.size(), 1);
        QVERIFY(menu_->isVisible() && menu_->entry("Command8")->isEnabled());
        click("Command7");
        opened_.last()->close();
        QTRY_VERIFY_WITH_TIMEOUT(opened_.last().isNull(), 3000);
        QVERIFY(menu_->isVisible() && !menu_->entry("Command7")->isEnabled());
        QCOMPARE(readBytes(TempConfigFile::path()), goldenBytes("preamble_only.cfg") +
                                                        goldenBytes("video_defaults.cfg") +
                                                        goldenBytes("sound_defaults.cfg"));
    }

    void aboutBoxOnlyOnTheRightButton() {
        QList<Cue> playedWhileOpen{Cue::PageOpened};
        dialogs_->whileMessageOpen = [&](const AskedDialog&) { playedWhileOpen = sound_->played; };
        QTest::mouseClick(menu_.get(), Qt::LeftButton, {}, QPoint(5, 240));
        for (const char* name : {"Command5", "Label1", "Picture1"})
            QTest::mouseClick(menu_->findChild<QWidget*>(name), Qt::RightButton);
        QVERIFY(dialogs_->asked.isEmpty() && sound_->played.isEmpty());
        // On the background and on Frame1 away from its labels: the box, then
        // cue 5 once it is closed.
        QTest::mousePress(menu_.get(), Qt::RightButton, {}, QPoint(5, 240));
        QTest::mousePress(menu_->findChild<QWidget*>("Frame1"), Qt::RightButton, {},
                          QPoint(170, 10));
        QCOMPARE(dialogs_->asked.size(), 2);
        QCOMPARE(dialogs_->asked[0].text + "|" + dialogs_->asked[0].title, "    Made by Vorel|");
        QCOMPARE(playedWhileOpen, QList<Cue>{Cue::AboutClosed});
        QCOMPARE(sound_->played, QList<Cue>(2, Cue::AboutClosed));
    }

    // The dialog starts in the game's folder when Steam has one (under a
    // player's home, or registered on Windows, with a Cyrillic name).
    void saveCancelledChangesNothing() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        const QString game = fakeSteamFolder(tmp_.filePath(QStringLiteral("Вася"))) +
                             QStringLiteral("/steamapps/common/Half-Life/cstrike");
        QVERIFY(QDir().mkpath(game));
        menu_->startGameFolderLookup(GameFolderLookup::gameFolderSearch());
        click("Command3");
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].kind, AskedDialog::SaveAs);
        QCOMPARE(dialogs_->asked[0].text, QStringLiteral("(*.cfg)"));
        QCOMPARE(dialogs_->asked[0].startFolder, QDir(game).canonicalPath());
        QVERIFY(sound_->played.isEmpty() && menu_->isVisible() && unloaded.isEmpty());
        QCOMPARE(QDir(tmp_.path()).entryList(QDir::Files), QStringList{QStringLiteral("cfg.cfg")});
    }

    // A game-folder search hung on a network folder: past its deadline the
    // dialog opens in the player's documents and the save ends the program; the
    // hung search stays behind on data of its own until the test ends.
    void saveWhileTheGameFolderSearchHangs() {
        const auto never = std::make_shared<QSemaphore>();
        menu_->startGameFolderLookup([never] { return never->acquire(), QString("never"); },
                                     std::chrono::milliseconds(50));
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        dialogs_->answerSaveAs(tmp_.filePath(QStringLiteral("hung.cfg")));
        click("Command3");
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].startFolder, documentsFolder());
        QCOMPARE(unloaded.count(), 1);
    }

    // A failed save says where and why, plays nothing and keeps the menu, so
    // that a second try elsewhere still gets the whole script.
    void aFailedSaveKeepsTheMenuAndEverything() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        const QString bad = tmp_.filePath(QStringLiteral("missing/folder/x.cfg"));
        dialogs_->answerSaveAs(bad);
        click("Command3");
        QCOMPARE(dialogs_->asked.size(), 2);
        QVERIFY(dialogs_->asked[1].text.contains(QDir::toNativeSeparators(bad)));
        QVERIFY(dialogs_->asked[1].text.contains(QStringLiteral("Файл не создан.")));
        QCOMPARE(dialogs_->asked[1].title, QStringLiteral("Vorel"));
        QVERIFY(sound_->played.isEmpty() && menu_->isVisible() && unloaded.isEmpty());
        const QString good = tmp_.filePath(QStringLiteral("good.cfg"));
        dialogs_->answerSaveAs(good);
        click("Command3");
        QUELMAR_COMPARE_GOLDEN(readBytes(good), "preamble_only.cfg");
        QCOMPARE(sound_->played, QList<Cue>{Cue::ScriptSaved});
        QCOMPARE(unloaded.count(), 1);
    }

    // Keys bound on the command page that the console knows by other names:
    // every save attempt asks; "Да" saves the console's names, "Нет" the
    // pages' own bytes, and cfg.cfg keeps the pages' bytes either way.
    void saveOffersTheConsolesKeyNames_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void saveOffersTheConsolesKeyNames() {
        QFETCH(bool, yes);
        click("Command2");
        QWidget* page = opened_.last();
        const QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Qt::Key_0, Qt::KeypadModifier}, {Qt::Key_PageUp, {}}, {Qt::Key_NumLock, {}}};
        for (int i = 0; i < keys.size(); ++i) {
            QWidget* target = page->findChild<QWidget*>(QStringLiteral("Label1_%1").arg(i));
            QTest::mouseClick(target, Qt::LeftButton);
            QTest::mouseDClick(target, Qt::LeftButton);
            QTest::keyClick(page->findChild<QWidget*>(QStringLiteral("Text1_%1").arg(i)),
                            keys[i].first, keys[i].second);
        }
        QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        const QByteArray written = readBytes(TempConfigFile::path());
        QVERIFY(written.contains("bind \"Num Lock\""));
        dialogs_->answerSaveAs(tmp_.filePath(QStringLiteral("missing/x.cfg")));
        dialogs_->answerQuestion(!yes);
        click("Command3");
        const QString target = tmp_.filePath(QStringLiteral("keys.cfg"));
        dialogs_->answerSaveAs(target);
        dialogs_->answerQuestion(yes);
        click("Command3");
        QList<AskedDialog::Kind> kinds;
        for (const AskedDialog& d : dialogs_->asked)
            kinds << d.kind;
        using K = AskedDialog::Kind;
        QCOMPARE(kinds, (QList<K>{K::SaveAs, K::Question, K::Message, K::SaveAs, K::Question}));
        const QString question = dialogs_->asked[1].text;
        QVERIFY2(question.contains("Num 0  →  KP_INS\nPage Up  →  PGUP\n\n") &&
                     !question.contains("Num Lock"),
                 qPrintable(question));
        QCOMPARE(dialogs_->asked[4].text + dialogs_->asked[4].title, question + "Vorel");
        QByteArray expected = written;
        if (yes)
            expected.replace("\"Num 0\"", "\"KP_INS\"").replace("\"Page Up\"", "\"PGUP\"");
        QCOMPARE(readBytes(target), expected);
        QCOMPARE(readBytes(TempConfigFile::path()), written);
    }

    // Saves into the game's folder (one holding liblist.gam): config.cfg goes
    // to userconfig.cfg on request; the offer to run the script defaults to
    // "Да" only for one from config.cfg, and Escape declines; what cannot be
    // added is told, and userconfig.cfg stays as it was. dialogs: "S" Save
    // As, "?" a question defaulting to "Нет", "?+" to "Да", "!" a message,
    // whose text begins with told. A null userconfig before is a folder.
    void savingIntoTheGameFolder_data() {
        QTest::addColumn<bool>("fromConfig");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("dialogs");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QByteArray>("userconfig");
        const QByteArray old = "bind w +forward\r\n";
        const QByteArray utf16("b\0i\0n\0d\0 \0w\0\r\0\n\0", 16);
        QTest::newRow("config.cfg: Нет, then Да and replace")
            << false << QStringList{"CONFIG.CFG", "config.cfg"} << QList<bool>{false, true, true}
            << old << "S ?+ S ?+ ?+"
            << "" << goldenBytes("preamble_only.cfg");
        QTest::newRow("Escape") << false << QStringList{"my.cfg"} << QList<bool>{} << old << "S ?"
                                << "" << old;
        QTest::newRow("from config.cfg, Да")
            << true << QStringList{"my script.cfg"} << QList<bool>{true} << old << "S ?+"
            << "" << old + "exec \"my script.cfg\"\r\n";
        QTest::newRow("unrunnable")
            << false << QStringList{"my;x.cfg"} << QList<bool>{true} << old << "S !"
            << "Сценарий сохранён, но игра не сможет выполнять его при запуске: my;x.cfg — "
               "в имени есть точка с запятой"
            << old;
        QTest::newRow("elsewhere")
            << true << QStringList{"../my.cfg"} << QList<bool>{true} << old << "S"
            << "" << old;
        QTest::newRow("userconfig.cfg in UTF-16")
            << true << QStringList{"my.cfg"} << QList<bool>{true} << utf16 << "S ?+ !"
            << "Строка exec my.cfg не добавлена в файл:" << utf16;
        QTest::newRow("a script that runs userconfig.cfg through a file")
            << true << QStringList{"mine.cfg"} << QList<bool>{} << old << "! S !"
            << "Сценарий mine.cfg сам запускает config.cfg или userconfig.cfg" << old;
        QTest::newRow("userconfig.cfg a folder")
            << true << QStringList{"my.cfg"} << QList<bool>{true} << QByteArray() << "S ?+ !"
            << "Не удалось добавить строку exec my.cfg в файл:" << QByteArray();
    }
    void savingIntoTheGameFolder() {
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, fromConfig);
        QFETCH(QByteArray, before);
        QFETCH(QString, told);
        const QTemporaryDir game;
        QFile gameList(game.filePath("liblist.gam"));
        QVERIFY(gameList.open(QIODevice::WriteOnly) &&
                gameList.write("game \"Counter-Strike\"\r\n"));
        QFile userconfig(game.filePath("userconfig.cfg"));
        QVERIFY(before.isNull()
                    ? QDir(game.path()).mkdir("userconfig.cfg")
                    : userconfig.open(QIODevice::WriteOnly) && userconfig.write(before));
        userconfig.close();
        // Opened from the game's folder, its exec line is kept in the saved script.
        if (QByteArray(QTest::currentDataTag()).contains("through a file")) {
            QFile sub(game.filePath("sub.cfg"));
            QVERIFY(sub.open(QIODevice::WriteOnly) && sub.write("exec userconfig.cfg\r\n"));
            sub.close();
            QVERIFY(menu_->openScript("exec sub.cfg\r\n", game.filePath("mine.cfg")));
        }
        menu_->setStartedFromGameConfig(fromConfig);
        for (const QString& name : names)
            dialogs_->answerSaveAs(game.filePath(name));
        for (const bool yes : answers)
            dialogs_->answerQuestion(yes);
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        click("Command3");
        QStringList shown;
        for (const AskedDialog& d : dialogs_->asked)
            shown << (d.kind == AskedDialog::SaveAs    ? "S"
                      : d.kind == AskedDialog::Message ? "!"
                      : d.defaultYes                   ? "?+"
                                                       : "?");
        QTEST(shown.join(' '), "dialogs");
        if (!told.isEmpty())
            QVERIFY2(dialogs_->asked.last().text.startsWith(told),
                     qPrintable(dialogs_->asked.last().text));
        QTEST(readBytes(game.filePath("userconfig.cfg")), "userconfig");
        QVERIFY(unloaded.count() == 1 && !QFile::exists(game.filePath("config.cfg")));
    }

    void closingTheMenuEndsWithoutSaving() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        menu_->close();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(dialogs_->asked.isEmpty() && sound_->played.isEmpty());
    }
};

class TestProgram : public QObject {
    Q_OBJECT

  private slots:
    // Seconds to whole milliseconds, half to even; no time, less or NaN is
    // no wait.
    void waitRounding() {
        constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
        constexpr int kLongest = std::numeric_limits<int>::max();
        const std::pair<double, int> cases[] = {
            {0.0005, 0}, {0.0015, 2}, {0.0025, 2}, {0.0035, 4}, {1.0005, 1000}, {2.5015, 2502},
            {0.0006, 1}, {1, 1000},   {0, 0},      {-1, 0},     {kNaN, 0},      {1e300, kLongest}};
        for (const auto& [seconds, expected] : cases)
            QVERIFY2(WaiT::intervalFor(seconds) == expected, qPrintable(QString::number(seconds)));
    }

    // A start by what the program finds of its console: the console program
    // hands over to the window only when double-clicked (no arguments, a
    // console of its own); the window program names the console program
    // only for a tool with nowhere at all to answer.
    void startRoutes() {
        using R = StartRoute;
        struct Case {
            const char* name;
            ConsoleFacts facts;
            qsizetype arguments;
            bool tool;
            R route;
        };
        const Case cases[] = {
            {"quelmar.com double-clicked", {true, 1, true}, 1, false, R::WindowProgram},
            {"quelmar.com typed in cmd.exe", {true, 2, true}, 1, false, R::AsAsked},
            {"a script dropped on quelmar.com", {true, 1, true}, 2, false, R::AsAsked},
            {"quelmar.com --version, own console", {true, 1, true}, 2, true, R::AsAsked},
            {"quelmar.com, console detached", {true, 0, false}, 1, false, R::AsAsked},
            {"quelmar.exe from Explorer", {false, 0, false}, 1, false, R::AsAsked},
            {"quelmar.exe in a console of its own", {false, 1, true}, 1, false, R::AsAsked},
            {"quelmar.exe --check from Explorer",
             {false, 0, false},
             3,
             true,
             R::ConsoleProgramNotice},
            {"quelmar.exe --check >file", {false, 0, true}, 3, true, R::AsAsked},
        };
        for (const Case& c : cases)
            QVERIFY2(startRoute(c.facts, c.arguments, c.tool) == c.route, c.name);
    }

    // Every pixel of 1800 frames: enough for each of the generator's 2^24
    // values to come up in each of a cell's three draws.
    void flameAsThePlainFlame() {
        FireBuffer fire;
        BasicRandom random;
        PlainFlame plain;
        plain.fuel();
        FireBuffer::Picture fast{}, expected{};
        for (int frame = 0; frame < 1800; ++frame) {
            fire.frame(random, fast);
            plain.frame(expected);
            const auto at = std::mismatch(fast.begin(), fast.end(), expected.begin()).first;
            QVERIFY2(at == fast.end(), qPrintable(QString::asprintf("frame %d, pixel %td", frame,
                                                                    at - fast.begin())));
        }
    }

    // The menu loads (and writes the preamble) while the splash still
    // stands; it shows only once the splash has gone, a second later, and
    // events went on in that second.
    void menuLoadsBeforeTheSplashGoesAndShowsAfter() {
        QTemporaryDir tmp;
        TempFolderAs tempFolder(tmp.path());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        QByteArray fileWhenSplashWent = "splash never went";
        bool menuShownEarly = false;
        QTimer::singleShot(0, [&] {
            auto* splash = qobject_cast<SplashWindow*>(visibleWindow("frmSplash"));
            QVERIFY(splash);
            connect(
                splash, &SplashWindow::unloaded, splash,
                [&] {
                    fileWhenSplashWent = readBytes(TempConfigFile::path());
                    for (QWidget* t : QApplication::topLevelWidgets())
                        menuShownEarly |= qobject_cast<MainMenu*>(t) && t->isVisible();
                },
                Qt::DirectConnection);
        });
        bool ranDuringWait = false;
        QTimer::singleShot(20, [&] { ranDuringWait = visibleWindow("frmSplash"); });
        QElapsedTimer clock;
        clock.start();
        auto menu = startProgram(config, dialogs, sound, {}, 1);
        QVERIFY(clock.elapsed() >= 990 && ranDuringWait);
        QVERIFY(menu && menu->isVisible() && !menuShownEarly);
        QCOMPARE(fileWhenSplashWent, goldenBytes(QStringLiteral("preamble_only.cfg")));
        QVERIFY(dialogs.asked.isEmpty());
    }

    // The player may close the splash (Alt+F4) during the wait: the menu
    // still loads and shows, and nothing touches the closed splash (the
    // sanitizer build would see it).
    void splashClosedDuringTheWait() {
        QTemporaryDir tmp;
        TempFolderAs tempFolder(tmp.path());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        bool closed = false;
        QTimer::singleShot(20, [&] {
            if (QWidget* splash = visibleWindow("frmSplash"))
                closed = splash->close();
        });
        auto menu = startProgram(config, dialogs, sound, {}, 0.3);
        QVERIFY(closed && menu && menu->isVisible() && !visibleWindow("frmSplash"));
    }

    // Without its fixed texts the program would write every value without
    // its quotes: it says so and does not start.
    void aMissingTextStopsTheStart() {
        Q_CLEANUP_RESOURCE(quelmar_assets);
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        const bool started = startProgram(config, dialogs, sound, {}, 0) != nullptr;
        Q_INIT_RESOURCE(quelmar_assets);
        QVERIFY(!started);
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(
            dialogs.asked[0].text.contains("strings/101.txt, strings/102.txt, strings/103.txt"));
    }

    void startWithoutATempFolderSaysWhereAndFails() {
        QTemporaryDir tmp;
        const QString missing = tmp.filePath(QStringLiteral("nonexistent/quelmar"));
        TempFolderAs tempFolder(missing);
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        QVERIFY(!startProgram(config, dialogs, sound, {}, 0));
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].text.contains(QDir::toNativeSeparators(missing) + '\n'));
        QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("такой папки нет")));
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Vorel"));
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    // Each cue is a whole RIFF WAVE image (pad byte included) that both
    // players take; they return at once without a sound card.
    void soundWithoutADevice() {
        for (int id = 1; id <= 5; ++id) {
            const QByteArray image = assetBytes(QStringLiteral("sounds/cue%1.wav").arg(id));
            const auto wav = parseWav(image);
            QVERIFY2(wav && wav->seconds() > 0.2 &&
                         wav->dataOffset + wav->dataSize + (wav->dataSize & 1) == image.size(),
                     qPrintable(QString::number(id)));
        }
        const auto cue = makeSoundCue();
        QElapsedTimer clock;
        clock.start();
        for (int id : {1, 2, 3, 4, 5, 4, 99})
            cue->play(quelmar::Cue(id));
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestMainMenu menu;
    TestProgram program;
    return QTest::qExec(&menu, argc, argv) | QTest::qExec(&program, argc, argv);
}
#include "tst_mainmenu.moc"
