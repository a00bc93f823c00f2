// The application shell: start-up order and its one-second delay, the main
// menu with its entries, the way back from a page, the about box and save,
// the flame and the sound cues, and the whole program walked page by page.
#include "app/ConsoleStart.h"
#include "app/FireBuffer.h"
#include "app/FlameView.h"
#include "app/KeyJobWords.h"
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/MenuTable.h"
#include "app/Program.h"
#include "app/Session.h"
#include "app/SplashWindow.h"
#include "app/WaiT.h"
#include "binds/CommandPage.h"
#include "buy/DragPayload.h"
#include "buy/KeySlot.h"
#include "config/TempConfigFile.h"
#include "controls/KeyCap.h"
#include "controls/KeyMapWindow.h"
#include "platform/SoundCue.h"
#include "platform/WavFormat.h"
#include "resources/Assets.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
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
        QVERIFY(QTest::qWaitForWindowExposed(menu_.get(), kPatience));
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
        QTRY_VERIFY_WITH_TIMEOUT(flame->grab().toImage() != first, kPatience);
        QSignalSpy started(menu_.get(), &MainMenu::flameStarted);
        menu_->hide();
        const QImage before = flame->grab().toImage();
        QTRY_VERIFY_WITH_TIMEOUT(flame->grab().toImage() != before, kPatience);
        QCOMPARE(started.count(), 0); // pressed once only, before
    }

    // The page entries where they always stood, "Клавиши" below them, then
    // "Сохранить", the frame and the flame moved down to make room.
    void layout() {
        QCOMPARE(menu_->size(), QSize(203, 323));
        const QList<std::pair<const char*, QRect>> boxes{
            {"Command5", {40, 32, 46, 23}},   {"Command7", {37, 56, 49, 23}},
            {"Command8", {40, 80, 54, 23}},   {"Command6", {40, 104, 58, 23}},
            {"Command2", {40, 128, 90, 23}},  {"Command4", {40, 152, 85, 23}},
            {"Command1", {40, 176, 122, 23}}, {"Command10", {40, 200, 64, 23}},
            {"Command3", {16, 232, 96, 27}},  {"Frame1", {16, 8, 177, 257}},
            {"Picture1", {0, 272, 207, 57}}};
        for (const auto& [name, box] : boxes)
            QCOMPARE(menu_->findChild<QWidget*>(name)->geometry(), box);
        QCOMPARE(menu_->entry("Command10")->text(), "Клавиши");
    }

    // "Клавиши" shows the key map over the menu with the entry's cue; the map
    // changes nothing, so the entry never greys, and Done or Escape brings
    // the menu back.
    void keysEntryShowsTheMap() {
        const QByteArray before = readBytes(TempConfigFile::path());
        for (int close = 0; close < 2; ++close) {
            click("Command10");
            auto* map = qobject_cast<KeyMapWindow*>(visibleWindow("KeyMap"));
            QVERIFY2(map, "the key map");
            QVERIFY(map->isModal() && menu_->isVisible() && menu_->entry("Command10")->isEnabled());
            KeyCap* escape = map->cap("ESCAPE");
            QVERIFY(escape && escape->face() == KeyCap::faceOf(KeyOrigin::Program));
            QTest::mouseClick(escape, Qt::LeftButton);
            QVERIFY(map->detail().contains("cancelselect"));
            if (close)
                QTest::keyClick(map, Qt::Key_Escape);
            else
                QTest::mouseClick(map->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            QVERIFY(!visibleWindow("KeyMap"));
        }
        QCOMPARE(sound_->played, QList<Cue>(2, Cue::PageOpened));
        QCOMPARE(readBytes(TempConfigFile::path()), before);
    }

    // F1 shows the map, modal, over the command page (with its fields as they
    // stand) while no field listens; a listening field takes F1 as its key.
    // And over the weapon key window.
    void f1ShowsTheMapUnlessAFieldListens() {
        click("Command2");
        auto* page = qobject_cast<CommandPage*>(opened_.last().data());
        QVERIFY(page);
        QTest::mouseClick(page->findChild<QWidget*>("Label1_0"), Qt::LeftButton);
        QTest::mouseDClick(page->findChild<QWidget*>("Label1_0"), Qt::LeftButton);
        QCOMPARE(page->fields().listeningField(), 0);
        QWidget* field = page->findChild<QWidget*>("Text1_0");
        QTest::keyClick(field, Qt::Key_F1);
        QVERIFY(!visibleWindow("KeyMap"));
        QCOMPARE(page->fields().text(0), "F1");
        QTest::keyClick(field, Qt::Key_F1); // now captured: it goes to the page
        auto* map = qobject_cast<KeyMapWindow*>(visibleWindow("KeyMap"));
        QVERIFY2(map && map->isModal(), "the key map over the command page");
        const QList<KeyJob>& jobs = map->cap("F1")->jobs();
        QVERIFY(jobs.size() == 1 && jobs[0].command == "+attack" &&
                jobs[0].origin == KeyOrigin::Commands);
        map->close();
        QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        click("Command1");
        QTest::keyClick(opened_.last(), Qt::Key_F1);
        map = qobject_cast<KeyMapWindow*>(visibleWindow("KeyMap"));
        QVERIFY2(map && map->isModal(), "the key map over the weapon key window");
        QVERIFY(map->cap("F1")->jobs()[0].origin == KeyOrigin::Commands);
        map->close();
    }

    // Each key in its colours and marks, the letter of the player's layout
    // beside it, what a click on it says, and the jobs of keys no keyboard
    // has in their row.
    void keyMapShowsEveryJob() {
        QByteArray many; // more names than the row below has room for
        for (int i = 0; i < 20; ++i)
            many += "bind x" + QByteArray::number(i) + " a\n";
        const KeyJobs jobs({{KeyOrigin::Program, "bind q +use\r\n" + many},
                            {KeyOrigin::Kept, "bind q lastinv\r\nbind \"Page Up\" +jump\r\n"},
                            {KeyOrigin::Weapons, "bind Q \"4-1;reset\"\r\nbind \" ~ \" x\r\n"}},
                           {});
        KeyMapWindow map(jobs, {{'q', "Й"}});
        map.show();
        const auto seen = [&](const QByteArray& key) { // colour, marks, letter | what a click says
            KeyCap* cap = map.cap(key);
            if (cap)
                QTest::mouseClick(cap, Qt::LeftButton);
            return !cap ? "none"
                        : cap->face().name() + (cap->isBoundMoreThanOnce() ? " twice" : "") +
                              (cap->hasJobNotWorking() ? " broken" : "") + cap->letter() + '|' +
                              map.detail();
        };
        QCOMPARE(seen("q"), "#008000 twiceЙ|q: «lastinv». Откуда: строка открытого сценария. "
                            "Заменяет: «+use» (строка самой программы).");
        QCOMPARE(seen("PGUP"),
                 "#000000 broken|Page Up: «+jump». Откуда: строка открытого сценария. "
                 "Не работает: консоль не знает клавиши с таким именем. Её имя для "
                 "этой клавиши — PGUP.");
        QCOMPARE(seen("Q"), "#ff8000|Q: «4-1;reset». Откуда: «Закупка оружия».");
        QVERIFY(seen("? ~ ").startsWith("#000000 broken| ~ : «x»"));
        QCOMPARE(seen("w"), "#000000|w: свободна.");
        QVERIFY(seen("more").contains("\nx9: «a»"));
        QVERIFY(map.findChild<QLabel*>("Label2")->isVisible());
    }

    // Beyond the walk below: a greyed entry or one without a page does
    // nothing, a page closed otherwise comes back too, Done plays nothing.
    void pageOpensAndComesBack() {
        click("Command5");
        QTest::mouseClick(opened_[0]->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(opened_[0].isNull(), kPatience); // unloaded: the window is gone
        QVERIFY(menu_->isVisible() && menu_->entry("Command7")->isEnabled());
        QCOMPARE(sound_->played, QList<Cue>{Cue::PageOpened});
        click("Command5"); // disabled: ignored
        click("Command8"); // no page behind it: nothing
        QCOMPARE(opened_.size(), 1);
        QVERIFY(menu_->isVisible() && menu_->entry("Command8")->isEnabled());
        click("Command7");
        opened_.last()->close();
        QTRY_VERIFY_WITH_TIMEOUT(opened_.last().isNull(), kPatience);
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
        menu_->session().startGameFolderLookup(GameFolderLookup::gameFolderSearch(),
                                               std::chrono::milliseconds(kPatience));
        click("Command3");
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].kind, AskedDialog::SaveAs);
        QCOMPARE(dialogs_->asked[0].text, QStringLiteral("(*.cfg)"));
        QCOMPARE(dialogs_->asked[0].startFolder, QDir(game).canonicalPath());
        QVERIFY(sound_->played.isEmpty() && menu_->isVisible() && unloaded.isEmpty());
        QCOMPARE(QDir(tmp_.path()).entryList(QDir::Files), QStringList{QStringLiteral("cfg.cfg")});
    }

    // A game-folder search hung on a network folder: past its deadline the
    // dialog opens in the player's documents, and the save ends the program
    // while the search still hangs; the search goes with the program.
    void saveWhileTheGameFolderSearchHangs() {
        const QString lock = tmp_.filePath(QStringLiteral("search.lock"));
        menu_->session().startGameFolderLookup(fakeSearch({"hang", lock}),
                                               std::chrono::milliseconds(50));
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(lock), "the search never ran", kPatience);
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        dialogs_->answerSaveAs(tmp_.filePath(QStringLiteral("hung.cfg")));
        click("Command3");
        QCOMPARE(dialogs_->asked.size(), 1);
        QCOMPARE(dialogs_->asked[0].startFolder, documentsFolder());
        QVERIFY(unloaded.count() == 1 && !lockIsFree(lock));
        menu_.reset();
        QVERIFY2(lockIsFree(lock), "the search outlived the program");
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

    // A key given a job on one key page and then another on the other (or
    // by the opened script) is told at once on the second, the weapon list
    // marks it, the save lists it before the key names are offered, and the
    // saved script ends with the latest choice. Jump is the command page's
    // row 15; the weapon record buys an AK-47 and ammo.
    void aKeyGivenTwoJobs() {
        const QString buy = "покупка AK-47 и патронов (закупка оружия)";
        const struct {
            QByteArray script;
            bool commandsFirst;
            Qt::Key commandKey; // none: the command page is only opened
            QString buyKey, commandNotice, buyNotice;
            QByteArray key, job; // at the end
            QString box;
        } rows[] = {
            {"", false, Qt::Key_F1, "F1", "F1: " + buy, "", "F1", "+jump",
             "F1: Jump (команды) — заменяет: " + buy},
            {"", true, Qt::Key_F1, "F1", "", "F1: Jump (команды)", "F1", "4-1;ammo1;reset",
             "F1: " + buy + " — заменяет: Jump (команды)"},
            {"", true, Qt::Key_PageUp, "pgup", "", "pgup: Jump (команды)", "PGUP",
             "4-1;ammo1;reset", "pgup: " + buy + " — заменяет: Jump (команды)"},
            {"bind F1 +jump\r\nbind F2 \"say hi\"\r\n", false, Qt::Key_unknown, "F1", "",
             "F1: Jump (открытый сценарий)", "F1", "4-1;ammo1;reset", ""},
            {"bind F2 \"say hi\"\r\n", true, Qt::Key_F2, "F3", "F2: «say hi» (открытый сценарий)",
             "", "F2", "+jump", "F2: Jump (команды) — заменяет: «say hi» (открытый сценарий)"},
        };
        const auto said = [](QWidget* page) {
            auto* notice = page->findChild<QLabel*>("KeyNotice");
            return notice && notice->isVisible() ? notice->text() : QString();
        };
        for (const auto& row : rows) {
            cleanup();
            init();
            if (!row.script.isEmpty())
                QVERIFY(menu_->session().openScript(row.script, tmp_.filePath("mine.cfg")));
            const auto onCommands = [&] {
                click("Command2");
                QWidget* page = opened_.last();
                QVERIFY(said(page).isEmpty());
                if (row.commandKey != Qt::Key_unknown) {
                    QWidget* target = page->findChild<QWidget*>("Label1_15");
                    QTest::mouseClick(target, Qt::LeftButton);
                    QTest::mouseDClick(target, Qt::LeftButton);
                    QTest::keyClick(page->findChild<QWidget*>("Text1_15"), row.commandKey);
                    QVERIFY2(said(page).contains(row.commandNotice) &&
                                 said(page).isEmpty() == row.commandNotice.isEmpty(),
                             qPrintable(said(page)));
                }
                QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            };
            const auto onWeapons = [&] {
                click("Command1");
                QWidget* window = opened_.last();
                auto* list = window->findChild<QComboBox*>("List");
                const int at = list->findText(row.buyKey), unused = list->findText("F12");
                QCOMPARE(list->itemData(at, Qt::ForegroundRole).isValid(),
                         !row.buyNotice.isEmpty());
                QVERIFY(!list->itemData(unused, Qt::ForegroundRole).isValid());
                list->setCurrentIndex(at);
                QVERIFY2(said(window).contains(row.buyNotice) &&
                             said(window).isEmpty() == row.buyNotice.isEmpty(),
                         qPrintable(said(window)));
                auto* slot = window->findChild<KeySlot*>("Key_0");
                emit slot->dropped(0, DragPayload{"4-1;", {}});
                emit slot->dropped(1, DragPayload{"ammo1;", {}});
                QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
                QTest::mouseClick(window->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            };
            row.commandsFirst ? onCommands() : onWeapons();
            row.commandsFirst ? onWeapons() : onCommands();
            QCoreApplication::processEvents(); // the opened script's report
            dialogs_->asked.clear();
            const QString target = tmp_.filePath(QStringLiteral("keys.cfg"));
            dialogs_->answerSaveAs(target);
            dialogs_->answerQuestion(true); // the console's key names
            click("Command3");
            const QList<AskedDialog>& asked = dialogs_->asked;
            const bool boxed = asked.size() > 1 && asked[1].kind == AskedDialog::Message;
            QVERIFY2(asked[0].kind == AskedDialog::SaveAs && boxed == !row.box.isEmpty() &&
                         (!boxed || asked[1].text.contains(row.box)),
                     qPrintable(boxed ? asked[1].text : row.box));
            QCOMPARE(asked.last().kind == AskedDialog::Question, row.key == "PGUP"); // key names
            const KeyJobs saved({{KeyOrigin::Program, readBytes(target)}});
            const KeyJob* end = saved.find(ConsoleModel::keyIdentity(row.key));
            QVERIFY2(end && end->command == row.job, end ? end->command.constData() : "no job");
        }
    }

    void jobsInWords() {
        const QString cut = "«" + QString(39, 'x') + "…»";
        const QList<std::pair<QByteArray, QString>> rows{
            {"8-2;reset", "покупка бронежилета с каской"},
            {"1-1;4-6;8-4;ammo2;reset",
             "покупка USP, AWP, осколочной гранаты и патронов к пистолету"},
            {"4-1;9-9;reset", "«4-1;9-9;reset»"}, // not a record of the page
            {"pausable 1; pause", "Пауза в игре"},
            {QByteArray(41, 'x'), cut}};
        for (const auto& [command, words] : rows)
            QCOMPARE(jobWords(command), words);
    }

    void closingTheMenuEndsWithoutSaving() {
        QSignalSpy unloaded(menu_.get(), &MainMenu::unloaded);
        menu_->close();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(dialogs_->asked.isEmpty() && sound_->played.isEmpty());
    }
};

// The session without a window: the save flow through scripted dialogs.
class TestSession : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    TempFolderAs tempFolder_{tmp_.path()};
    ScriptedDialogs dialogs_;
    RecordingSoundCue sound_;
    std::unique_ptr<ConfigStream> config_;
    std::unique_ptr<Session> session_;

  private slots:
    void init() {
        dialogs_ = ScriptedDialogs();
        sound_.played.clear();
        config_ = std::make_unique<ConfigStream>();
        session_ = std::make_unique<Session>(*config_, dialogs_, sound_);
        QString error;
        QVERIFY2(session_->load(&error), qPrintable(error));
    }
    void cleanup() {
        session_.reset();
        config_.reset();
    }

    // A failed save says where and why, plays nothing and keeps everything,
    // so that a second try elsewhere still gets the whole script.
    void aFailedSaveKeepsEverything() {
        const QString bad = tmp_.filePath(QStringLiteral("missing/folder/x.cfg"));
        dialogs_.answerSaveAs(bad);
        QVERIFY(!session_->save());
        QCOMPARE(dialogs_.asked.size(), 2);
        QVERIFY(dialogs_.asked[1].text.contains(QDir::toNativeSeparators(bad)));
        QVERIFY(dialogs_.asked[1].text.contains(QStringLiteral("Файл не создан.")));
        QCOMPARE(dialogs_.asked[1].title, QStringLiteral("Vorel"));
        QVERIFY(sound_.played.isEmpty());
        const QString good = tmp_.filePath(QStringLiteral("good.cfg"));
        dialogs_.answerSaveAs(good);
        QVERIFY(session_->save());
        QUELMAR_COMPARE_GOLDEN(readBytes(good), "preamble_only.cfg");
        QCOMPARE(sound_.played, QList<Cue>{Cue::ScriptSaved});
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
            << true << QStringList{"mine.cfg"} << QList<bool>{} << old << "S !"
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
            QVERIFY(session_->openScript("exec sub.cfg\r\n", game.filePath("mine.cfg")));
        }
        session_->setStartedFromGameConfig(fromConfig);
        for (const QString& name : names)
            dialogs_.answerSaveAs(game.filePath(name));
        for (const bool yes : answers)
            dialogs_.answerQuestion(yes);
        QVERIFY(session_->save());
        QStringList shown;
        for (const AskedDialog& d : dialogs_.asked)
            shown << (d.kind == AskedDialog::SaveAs    ? "S"
                      : d.kind == AskedDialog::Message ? "!"
                      : d.defaultYes                   ? "?+"
                                                       : "?");
        QTEST(shown.join(' '), "dialogs");
        if (!told.isEmpty())
            QVERIFY2(dialogs_.asked.last().text.startsWith(told),
                     qPrintable(dialogs_.asked.last().text));
        QTEST(readBytes(game.filePath("userconfig.cfg")), "userconfig");
        QVERIFY(!QFile::exists(game.filePath("config.cfg")));
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
        QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("нет такого файла или папки")));
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Vorel"));
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    // Each cue is a whole RIFF WAVE image (pad byte included) that both
    // players take; without a sound card they play nothing and fail nothing.
    void soundWithoutADevice() {
        for (Cue c : kEveryCue) {
            const QByteArray image = assetBytes(cueSound(c));
            const auto wav = parseWav(image);
            QVERIFY2(wav && wav->seconds() > 0.2 &&
                         wav->dataOffset + wav->dataSize + (wav->dataSize & 1) == image.size(),
                     qPrintable(cueSound(c)));
        }
        const auto cue = makeSoundCue();
        for (Cue c : kEveryCue)
            cue->play(c);
        cue->play(quelmar::Cue(99));
    }
};

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerAsSearch(argc, argv))
        return *status;
    QApplication app(argc, argv);
    int failed = 0;
    {
        TestSession session;
        failed |= QTest::qExec(&session, argc, argv);
    }
    TestMainMenu menu;
    TestProgram program;
    return failed | QTest::qExec(&menu, argc, argv) | QTest::qExec(&program, argc, argv);
}
#include "tst_mainmenu.moc"
