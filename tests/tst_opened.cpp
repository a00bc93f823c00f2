// A script the player already has, opened in the real menu: what the pages
// start from, what the saved script keeps, and the ways a script comes in.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/OpenMessages.h"
#include "app/OpenedScript.h"
#include "binds/KeyField.h"
#include "config/PathBytes.h"
#include "config/ScriptCodePage.h"
#include "config/TempConfigFile.h"
#include "tests/support/EndState.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// What a page's widgets show, by object name: a list's item, an editor's or
// a text box's text, a key field's name.
QString shown(QWidget* page, const QString& name) {
    if (auto* list = page->findChild<QComboBox*>(name))
        return list->currentText();
    if (auto* box = page->findChild<QLineEdit*>(name + "_Text1"))
        return box->text();
    if (auto* box = page->findChild<QLineEdit*>(name))
        return box->text();
    for (auto* field : page->findChildren<KeyField*>()) {
        if ("field" + QString::number(field->index()) == name)
            return field->text();
    }
    return "?" + name;
}

// One run of the real menu with a script opened: the pages of entries
// opened and closed in turn (each may be worked on first), then a save.
class Run {
  public:
    Run() : tempFolder_(tmp_.path()), menu_(config_, dialogs, sound_, &openProgramPage) {
        QVERIFY(menu_.load(nullptr));
        menu_.show();
    }
    bool open(const QByteArray& file, const QString& name = "player.cfg") {
        return menu_.session().openScript(file, tmp_.filePath(name));
    }
    // Puts files ("name=text") beside the script, for its exec lines.
    void place(const QStringList& files) {
        for (const QString& file : files) {
            QFile out(tmp_.filePath(file.section('=', 0, 0)));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.section('=', 1).toUtf8());
        }
    }
    QString folder() const { return tmp_.path(); }
    // Opens entry's page; check sees it before its Done.
    void visit(const QString& entry, const std::function<void(QWidget*)>& check = {}) {
        walkPage(menu_.entry(entry), check);
    }
    QByteArray save() {
        const QString target = tmp_.filePath("saved.cfg");
        dialogs.answerSaveAs(target);
        QTest::mouseClick(menu_.entry("Command3"), Qt::LeftButton);
        return readBytes(target);
    }
    MainMenu& menu() { return menu_; }
    ScriptedDialogs dialogs;

  private:
    QTemporaryDir tmp_;
    TempFolderAs tempFolder_;
    ConfigStream config_;
    RecordingSoundCue sound_;
    MainMenu menu_;
};

} // namespace

class TestOpened : public QObject {
    Q_OBJECT

  private slots:
    // A script Quelmar wrote, every page it holds opened and closed in the
    // order of its sections, comes back byte for byte.
    void roundTrip_data() {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("every section at its defaults") << "whole_defaults.cfg" << everyPageEntry();
        QTest::newRow("changed values, alternates alone, buy binds")
            << "opened_roundtrip.cfg"
            << QStringList{"Command2", "Command1", "Command5", "Command4", "Command7"};
        QTest::newRow("the wheel and the side buttons on the rows")
            << "opened_wheel.cfg" << QStringList{"Command2"};
        QTest::newRow("kept lines, then a section")
            << "opened_userconfig.cfg" << QStringList{"Command2"};
        QTest::newRow("the game's config.cfg saved")
            << "opened_config.cfg"
            << QStringList{"Command6", "Command7", "Command5", "Command8", "Command2", "Command4"};
    }
    void roundTrip() {
        QFETCH(QString, golden);
        QFETCH(QStringList, entries);
        Run run;
        QVERIFY(run.open(goldenBytes(golden)));
        for (const QString& entry : entries)
            run.visit(entry);
        QCOMPARE(run.save(), goldenBytes(golden));
    }

    // Every key's job in the script a save would write now, traced to where
    // it comes from: the preamble, a kept line (through the file it runs and
    // the alias it calls), a written section, and the open page's fields as
    // they stand, which take over the kept binds that page took.
    void keyJobsOfTheScriptNow() {
        Run run;
        run.place({"binds.cfg=bind MOUSE4 \"say gg\""});
        QVERIFY(run.open("bind q \"say hi\"\nbind ESCAPE togglemenu\nexec binds.cfg\n"
                         "alias setup \"bind k gg\"\nsetup\nbind \"Page Up\" +jump\n"
                         "bind F2 \"4-1;ammo1;reset\"\n"));
        run.visit("Command1"); // writes the buy bind it took
        const auto jobs = [&](const std::optional<SectionLines>& open) {
            static const char* origins[] = {"Program", "Kept", "Commands", "Weapons"};
            QStringList shown;
            const KeyJobs jobs = run.menu().session().keyJobs(open);
            for (const KeyJob& job : jobs.jobs()) {
                QString text = QString::fromLatin1(job.unknown ? job.name : job.key) + '=' +
                               job.command + '@' + origins[int(job.origin)];
                for (const KeyJob::Earlier& earlier : job.replaced)
                    text += '<' + earlier.command + '@' + origins[int(earlier.origin)];
                shown << text + (job.unknown ? "!" + job.meant : "");
            }
            return shown.join('|');
        };
        QCOMPARE(jobs(std::nullopt),
                 "ESCAPE=togglemenu@Kept<cancelselect@Program|`=toggleconsole@Program|k=gg@Kept|"
                 "q=say hi@Kept|F2=4-1;ammo1;reset@Weapons|MOUSE4=say gg@Kept|"
                 " ~ =toggleconsole@Program!|Page Up=+jump@Kept!PGUP");
        QCOMPARE(jobs(SectionLines{Section::Commands,
                                   {"bind \"q\" \"lastinv\"", "bind \"Mouse1\" \"+attack\""}}),
                 "ESCAPE=togglemenu@Kept<cancelselect@Program|`=toggleconsole@Program|k=gg@Kept|"
                 "q=lastinv@Commands<say hi@Kept|F2=4-1;ammo1;reset@Weapons|"
                 "MOUSE1=+attack@Commands|MOUSE4=say gg@Kept| ~ =toggleconsole@Program!");
    }

    // The game's own config.cfg: every page starts from its values and keys.
    void gameConfigOnThePages() {
        Run run;
        QVERIFY(run.open(goldenBytes("open_config.cfg"), "config.cfg"));
        QVERIFY(run.menu().session().openedScript()->isGameConfig());
        const QList<std::tuple<QString, QString, QString>> expected = {
            {"Command6", "SEN1", "3.5"},      {"Command6", "SEN2", "1.2"},
            {"Command6", "Combo2", "Выкл"},   {"Command6", "Combo5", "Да"},
            {"Command7", "Volume1", "80%"},   {"Command7", "Volume2", "50%"},
            {"Command7", "Combo3", "Выкл"},   {"Command5", "UPDW1", "1"},
            {"Command5", "UPDW2", "2"},       {"Command5", "Combo1", "Двойной"},
            {"Command5", "Combo3", "Выкл"},   {"Command8", "Combo1", "Вкл"},
            {"Command8", "Combo3", "Левая"},  {"Command2", "field40", "Tab"},
            {"Command2", "field0", "Enter"},  {"Command2", "field55", "Mouse1"},
            {"Command2", "field15", "Space"}, {"Command2", "field70", "Mouse3"},
            {"Command2", "field8", "w"},      {"Command2", "field63", "UpArrow"},
            {"Command2", "field12", "a"},     {"Command2", "field19", "Page Down"},
            {"Command4", "Text1", "Вася"},    {"Command4", "Combo2", "Снизу"},
            {"Command4", "senn1", "6"},       {"Command4", "Combo9", "LAN"},
            {"Command4", "COLOR1", "255"},
        };
        QCOMPARE(run.menu().session().openedScript()->report().unshown,
                 QStringList{"110: gamma \"2.5\""});
        QString seen;
        for (const QString entry :
             {"Command6", "Command7", "Command5", "Command8", "Command2", "Command4"})
            run.visit(entry, [&](QWidget* page) {
                for (const auto& [e, name, value] : expected) {
                    if (e == entry && shown(page, name) != value)
                        seen +=
                            QString("%1 %2: %3, not %4\n").arg(e, name, shown(page, name), value);
                }
            });
        QVERIFY2(seen.isEmpty(), qPrintable(seen));
        const QByteArray saved = run.save();
        QUELMAR_COMPARE_GOLDEN(saved, "opened_config.cfg");
        // The keys came in the console's spelling and went out in it: no question.
        QCOMPARE(run.dialogs.asked.size(), 2); // the report and the Save As dialog
    }

    // A script saved as UTF-8 with its mark, as Notepad saves it: read and
    // saved in the script's code page, each character that lacks a '?' and
    // counted; a setting made twice starts its row from the later one; its
    // comment lines are kept and counted with the rest.
    void utf8WithItsMark() {
        Run run;
        QVERIFY(run.open(goldenBytes("open_utf8_bom.cfg")));
        const OpenedReport& report = run.menu().session().openedScript()->report();
        QCOMPARE(QString("%1 %2 %3").arg(report.notInCodePage).arg(report.kept).arg(report.onPages),
                 "3 3 3");
        run.visit("Command4", [](QWidget* page) {
            QCOMPARE(shown(page, "Text1") + '|' + shown(page, "Combo4"), "Вася ?|Вкл");
        });
        run.visit("Command6", [](QWidget* page) { QCOMPARE(shown(page, "SEN1"), "3.5"); });
        QUELMAR_COMPARE_GOLDEN(run.save(), "opened_utf8_bom.cfg");
    }

    // A hand-kept userconfig.cfg opened, only the command page visited.
    void handKeptScriptKeepsItsLines() {
        Run run;
        QVERIFY(run.open(goldenBytes("open_userconfig.cfg"), "userconfig.cfg"));
        const OpenedReport report = run.menu().session().openedScript()->report();
        QCOMPARE(report.execs.size(), 2);
        QCOMPARE(report.execs[0].name, "binds_extra.cfg");
        QCOMPARE(report.execs[1].outcome, ConsoleExec::GameOwn);
        run.visit("Command2");
        const QByteArray saved = run.save();
        QUELMAR_COMPARE_GOLDEN(saved, "opened_userconfig.cfg");
    }

    // The wheel's and the side buttons' binds go onto the rows in file order,
    // in the script's spelling; a row already full keeps its line.
    void wheelAndSideButtonsOnTheRows() {
        Run run;
        QVERIFY(run.open("bind SPACE +jump\r\nbind MWHEELDOWN +jump\r\nbind mouse4 r1\r\n"
                         "bind MWHEELUP +jump\r\nbind mouse5 radio1\r\n"));
        run.visit("Command2");
        QUELMAR_COMPARE_GOLDEN(run.save(), "opened_wheel.cfg");
    }

    // A value the page cannot show: the row shows its default and the
    // section says the file's own value, until the player changes the row.
    void unshownValue_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("arrow");   // pressed on the page; empty: left alone
        QTest::addColumn<QString>("changed"); // the end state's line the player changed
        const char* gamma = "gamma \"2.5\"\r\nbrightness 2\r\n";
        const char* rows[][5] = {
            {"gamma 2.5 left", gamma, "Command5", "", ""},
            {"gamma 2.5 changed", gamma, "Command5", "UPDW1_B_Up", "var gamma"},
            {"page never opened", gamma, "", "", ""},
            {"blood half on", "violence_ablood 1\r\nviolence_hblood 0 // mixed\r\n", "Command5", "",
             ""},
            {"rate out of the list", "rate \"25000\"\r\n", "Command4", "", ""},
            {"speed off the grid", "cl_forwardspeed 425\r\n", "Command8", "SPEED2_B_Up",
             "var cl_forwardspeed"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QByteArray(row[1]) << QString(row[2]) << QString(row[3])
                                  << QString(row[4]);
    }
    void unshownValue() {
        QFETCH(QByteArray, script);
        QFETCH(QString, entry);
        QFETCH(QString, arrow);
        QFETCH(QString, changed);
        Run run;
        QVERIFY(run.open(script));
        QVERIFY(!run.menu().session().openedScript()->report().unshown.isEmpty());
        if (!entry.isEmpty())
            run.visit(entry, [&](QWidget* page) {
                if (!arrow.isEmpty()) {
                    auto* button = page->findChild<QWidget*>(arrow);
                    QVERIFY2(button, qPrintable(arrow));
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            });
        const ConsoleModel saved = modelOf(run.save());
        const QString broken = brokenPromise(modelOf(script), saved, {changed});
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        // A changed row is the player's: the file's value is gone.
        if (!changed.isEmpty())
            QVERIFY(!brokenPromise(modelOf(script), saved).isEmpty());
    }

    // The promise: the game ends where the opened script left it, saved
    // untouched and saved with every page walked, over the shapes players'
    // scripts take, realistic files and generated ones.
    void promise_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("files");
        const auto row = [](const char* name, const QByteArray& script, QStringList files = {}) {
            QTest::newRow(name) << script << files;
        };
        row("a later line like the preamble's", "cl_timeout \"60\"\r\ncl_timeout \"45\"\r\n");
        row("a later line like a page's", "fps_max \"77\"\r\nfps_max \"99\"\r\n");
        row("the preamble's keys", "bind \"ESCAPE\" \"togglemenu\"\r\nbind \"`\" \"say hi\"\r\n");
        row("exec, then overrides",
            "exec binds.cfg\r\nsensitivity \"2.5\"\r\nbind \"MOUSE2\" \"+jump\"\r\n",
            {"binds.cfg=sensitivity 4\nbind MOUSE2 +attack2\nbind F1 \"4-1;ammo1;reset\"\n"});
        row("a comment's ';' runs its rest",
            "bind \"MWHEELUP\" \"+jump\" // bhop; unbindall resets the rest\r\n"
            "bind \"SPACE\" \"+jump\"\r\ncl_timeout \"60\" // was 45; exec config.cfg restores "
            "it\r\n");
        row("our aliases redefined",
            "alias reset \"echo mine\"\r\nbind F2 \"4-2;reset\"\r\n+mlook\r\n");
        row("UTF-8 without its mark", "name \"\xd0\x98\xd0\xb3\xd1\x80\xd0\xbe\xd0\xba "
                                      "\xf0\x9f\x98\x80\"\r\nsay \"\xd0\x98\"\r\n");
        row("the game's config.cfg", goldenBytes("open_config.cfg"));
        row("a hand-kept userconfig.cfg", goldenBytes("open_userconfig.cfg"),
            {"binds_extra.cfg=bind x \"say extra\"\nexec userconfig.cfg\n"});
        row("a script of ours", goldenBytes("opened_roundtrip.cfg"));
        // Generated: duplicates in random order, exec chains, aliases,
        // comments holding ';', the preamble's keys, mid-file unbindall.
        const QStringList keys = {"ESCAPE", "`",  "MOUSE1", "MOUSE2", "q",       "e",
                                  "SPACE",  "F1", "F2",     "kp_end", "Page Up", "MWHEELUP"};
        const QStringList commands = {"+jump",         "+duck",        "+attack",
                                      "+reload",       "say gg",       "4-1;ammo1;reset",
                                      "toggleconsole", "weapon_knife", "lastinv"};
        // One template a piece, between the bars.
        const QStringList lines =
            QString("sensitivity \"%1.5\"|fps_max %1|gamma \"%1\"|cl_timeout \"4%1\"|"
                    "bind \"%k\" \"%c\"|bind %k %c|unbind \"%k\"|unbindall|"
                    "alias a%1 \"%c; fps_max 1%1\"|a%1|exec s%1.cfg|echo %1|"
                    "volume \"0.%1\" // loud; echo %1|+mlook|-mlook|hideradar|"
                    "m_filter %1; bind %k %c|alias reset \"echo %1\"|name \"p%1\"|rate %1000|"
                    "gamma 2.%1; viewsize 120.000000 // x; +jlook|"
                    "fps_max \"%199\"; setinfo _vgui_menus %1")
                .split('|');
        // QUELMAR_SEED=N tries 150 scripts from another seed.
        const int seed = qEnvironmentVariableIntValue("QUELMAR_SEED");
        QRandomGenerator random(seed ? seed : 1623);
        const auto make = [&](int count) {
            QByteArray text;
            for (int i = 0; i < count; ++i) {
                QString line = lines[random.bounded(lines.size())];
                line.replace("%k", keys[random.bounded(keys.size())])
                    .replace("%c", commands[random.bounded(commands.size())])
                    .replace("%1", QString::number(random.bounded(4)));
                text += line.toLatin1() + "\r\n";
            }
            return text;
        };
        for (int n = 0; n < (seed ? 150 : 24); ++n) {
            const QStringList files = {"s0.cfg=" + make(4), "s1.cfg=" + make(3) + "exec s0.cfg",
                                       "s2.cfg=exec s2.cfg\n" + make(2)};
            QTest::newRow(qPrintable(QString("generated %1").arg(n))) << make(30) << files;
        }
    }
    void promise() {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, files);
        for (const QStringList& walk :
             {QStringList{}, QStringList{"Command1", "Command5", "Command2", "Command6", "Command7",
                                         "Command8", "Command4"}}) {
            Run run;
            run.place(files);
            QVERIFY(run.open(script));
            for (const QString& entry : walk)
                run.visit(entry);
            const QByteArray saved = run.save();
            const QString broken =
                brokenPromise(modelOf(script, run.folder()), modelOf(saved, run.folder()));
            QVERIFY2(broken.isEmpty(), qPrintable(walk.join(' ') + ":\n" + broken));
        }
    }

    // A drop on the menu: a script applies to the pages not yet opened; a
    // second script, or anything else, is answered and changes nothing.
    void drops() {
        Run run;
        run.place({"mine.CFG=sensitivity 4\r\ngamma 2\r\nbind x \"say hi\"\r\n"});
        const QString script = run.folder() + "/mine.CFG";
        const auto drop = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            // Through the window, as the system hands a drag in.
            QDragEnterEvent enter(QPoint(150, 20), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(run.menu().windowHandle(), &enter);
            QDropEvent event(QPointF(150, 20), Qt::CopyAction, &data, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(run.menu().windowHandle(), &event);
        };
        drop({QUrl::fromLocalFile(run.folder() + "/notes.txt")});
        QVERIFY(!run.menu().session().openedScript());
        run.visit("Command5"); // the video page keeps what was chosen there
        drop({QUrl::fromLocalFile(script)});
        QVERIFY(run.menu().session().openedScript());
        drop({QUrl::fromLocalFile(script)});
        run.visit("Command6", [](QWidget* page) { QCOMPARE(shown(page, "SEN1"), "4"); });
        QStringList texts;
        for (const AskedDialog& d : run.dialogs.asked)
            texts << d.text.section('\n', 0, 0);
        QCOMPARE(texts, (QStringList{
                            notAScriptText(),
                            openedReportText(script, run.menu().session().openedScript()->report())
                                .section('\n', 0, 0),
                            secondScriptText(script)}));
        const QByteArray saved = run.save();
        QVERIFY(saved.contains("gamma \"1\"") && !saved.contains("gamma 2"));
        QVERIFY(saved.contains("// [ Kept Lines ] \r\nbind x \"say hi\"\r\n\r\n// [ Video"));
    }

    // A terminal is told of an opened script with control characters and bytes
    // that are no text escaped, in its name, unshown values and exec names.
    void terminalLinesCarryNoRawControls_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("shown");
        const QByteArray plain = "gamma 2\r\n";
        QTest::newRow("clear screen in the name")
            << QByteArray("a\x1b[2J\a.cfg") << plain << "opened a\\x1b[2J\\x07.cfg:";
        QTest::newRow("CP1251 name")
            << QByteArray("\xc2\xe0\xf1\xff.cfg") << plain << "opened \\xc2\\xe0\\xf1\\xff.cfg:";
        QTest::newRow("%2 in the name") << QByteArray("100%2.cfg") << plain << "opened 100%2.cfg:";
        QTest::newRow("retitle in an exec")
            << QByteArray("x.cfg") << QByteArray("exec \"\x1b]0;owned\a.cfg\"\r\n")
            << "does not run \\x1b]0;owned\\x07.cfg (";
        QTest::newRow("no text in an exec")
            << QByteArray("x.cfg") << QByteArray("exec \"a\x98\x1b[1A.cfg\"\r\n")
            << "\\x1b[1A.cfg (no such file)"; // 0x98 is no letter of the code page
        QTest::newRow("unshown value")
            << QByteArray("x.cfg") << QByteArray("gamma \"2.5\"\x1b[2J\r\n") << "\\x1b[2J";
    }
    void terminalLinesCarryNoRawControls() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, script);
        QFETCH(QString, shown);
        const QString path = pathFromBytes(name);
        const QString lines =
            openedReportLines(path, OpenedScript(script, path).report()) +
            openFailureLine(path, FileError::found(FileStep::Open, path, FileProblem::Missing));
        QVERIFY2(lines.contains(shown), qPrintable(lines));
        for (const QChar c : lines)
            QVERIFY2(c == u'\n' || (c >= u' ' && (c < u'\x7f' || c >= u'\xa0') && !c.isSurrogate()),
                     qPrintable(lines));
    }

    // A script of many exec lines and unshown values: the box fits a screen.
    void reportFitsAScreen() {
        QByteArray script;
        for (int i = 0; i < 30; ++i)
            script += "exec gone" + QByteArray::number(i) + ".cfg\r\nrate 1234" +
                      QByteArray::number(i) + "\r\n";
        const QString text = openedReportText("x.cfg", OpenedScript(script, "x.cfg").report());
        QVERIFY2(text.count('\n') < 20 && text.contains("gone7.cfg") &&
                     !text.contains("gone8.cfg") && text.contains("… и ещё 22"),
                 qPrintable(text));
    }

    // Unreadable files get a word and change nothing.
    void unreadable() {
        Run run;
        QTemporaryDir dir;
        QVERIFY(!run.menu().session().openScriptFile(dir.filePath("missing.cfg")));
        QVERIFY(!run.menu().session().openScriptFile(dir.path()));
        // UTF-16: the console stops at the first NUL, so the rest would be lost.
        QFile utf16(dir.filePath("wide.cfg"));
        QVERIFY(utf16.open(QIODevice::WriteOnly) && utf16.write("\xff\xfeg\0a\0", 6) == 6);
        utf16.close();
        QVERIFY(!run.menu().session().openScriptFile(utf16.fileName()));
        QVERIFY(!run.menu().session().openedScript());
        QCOMPARE(run.dialogs.asked.size(), 3);
        QVERIFY(run.dialogs.asked.last().text.contains("UTF-16"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestOpened opened;
    return QTest::qExec(&opened, argc, argv);
}
#include "tst_opened.moc"
