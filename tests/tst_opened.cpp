// A script the player already has, opened in the real menu: what the pages
// start from, what the saved script keeps, and the ways a script comes in.
#include "app/FailureMessages.h"
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/OpenedScript.h"
#include "binds/KeyField.h"
#include "config/PathBytes.h"
#include "config/ScriptCodePage.h"
#include "config/TempConfigFile.h"
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

// Entries in the order of the sections they write.
const QHash<QString, QString> kWindowOf = {
    {"Command1", "Form2"}, {"Command5", "set3"}, {"Command2", "Set1"}, {"Command6", "SET4"},
    {"Command7", "SET5"},  {"Command8", "SET6"}, {"Command4", "SET2"},
};

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
        return menu_.openScript(file, tmp_.filePath(name));
    }
    // Opens entry's page; check sees it before its Done.
    void visit(const QString& entry, const std::function<void(QWidget*)>& check = {}) {
        QTest::mouseClick(menu_.entry(entry), Qt::LeftButton);
        QWidget* page = visibleWindow(kWindowOf.value(entry));
        QVERIFY2(page, qPrintable("the page of " + entry));
        if (check)
            check(page);
        QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCoreApplication::processEvents();
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
        QTest::newRow("every section at its defaults")
            << "whole_defaults.cfg" << QStringList{"Command1", "Command5", "Command2", "Command6",
                                                   "Command7", "Command8", "Command4"};
        QTest::newRow("changed values, alternates alone, buy binds")
            << "opened_roundtrip.cfg"
            << QStringList{"Command2", "Command1", "Command5", "Command4", "Command7"};
        QTest::newRow("no page opened") << "opened_roundtrip.cfg" << QStringList{};
    }
    void roundTrip() {
        QFETCH(QString, golden);
        QFETCH(QStringList, entries);
        Run run;
        QVERIFY(run.open(goldenBytes(golden)));
        for (const QString& entry : entries)
            run.visit(entry);
        QByteArray expected = goldenBytes(golden);
        if (entries.isEmpty()) {
            // The sections' lines all come back, under the one header.
            const QRegularExpression header("// \\[ [A-Za-z ]+ \\] \r\n");
            const qsizetype first = header.match(QString::fromLatin1(expected)).capturedStart();
            expected = QString::fromLatin1(expected).remove(header).toLatin1();
            expected.insert(first, "// [ Kept Lines ] \r\n");
        }
        QCOMPARE(run.save(), expected);
    }

    // The game's own config.cfg: every page starts from its values and keys.
    void gameConfigOnThePages() {
        Run run;
        QVERIFY(run.open(goldenBytes("open_config.cfg"), "config.cfg"));
        QVERIFY(run.menu().openedScript()->isGameConfig());
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
        QCOMPARE(run.menu().openedScript()->report().unshown, QStringList{"110: gamma \"2.5\""});
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

    // A hand-kept userconfig.cfg opened, only the command page visited.
    void handKeptScriptKeepsItsLines() {
        Run run;
        QVERIFY(run.open(goldenBytes("open_userconfig.cfg"), "userconfig.cfg"));
        const OpenedReport report = run.menu().openedScript()->report();
        QCOMPARE(report.execs, QStringList{"binds_extra.cfg"});
        run.visit("Command2");
        const QByteArray saved = run.save();
        QUELMAR_COMPARE_GOLDEN(saved, "opened_userconfig.cfg");
    }

    // A value the page cannot show: the row shows its default and the
    // script's own line stays, until the player changes the row.
    void unshownValue_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("arrow"); // pressed on the page; empty: left alone
        QTest::addColumn<QByteArray>("kept");
        const QByteArray gamma = "gamma \"2.5\"\r\nbrightness 2\r\n";
        QTest::newRow("gamma 2.5 left") << gamma << "Command5"
                                        << "" << QByteArray("gamma \"2.5\"");
        QTest::newRow("gamma 2.5 changed") << gamma << "Command5"
                                           << "UPDW1_B_Up" << QByteArray();
        QTest::newRow("page never opened") << gamma << ""
                                           << "" << gamma.trimmed();
        const QByteArray blood = "violence_ablood 1\r\nviolence_hblood 0 // mixed\r\n";
        QTest::newRow("blood half on") << blood << "Command5"
                                       << "" << blood.trimmed();
        QTest::newRow("rate out of the list") << QByteArray("rate \"25000\"\r\n") << "Command4"
                                              << "" << QByteArray("rate \"25000\"");
        QTest::newRow("speed off the grid") << QByteArray("cl_forwardspeed 425\r\n") << "Command8"
                                            << "SPEED2_B_Up" << QByteArray();
    }
    void unshownValue() {
        QFETCH(QByteArray, script);
        QFETCH(QString, entry);
        QFETCH(QString, arrow);
        QFETCH(QByteArray, kept);
        Run run;
        QVERIFY(run.open(script));
        QVERIFY(!run.menu().openedScript()->report().unshown.isEmpty());
        if (!entry.isEmpty())
            run.visit(entry, [&](QWidget* page) {
                if (!arrow.isEmpty()) {
                    auto* button = page->findChild<QWidget*>(arrow);
                    QVERIFY2(button, qPrintable(arrow));
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            });
        const QByteArray saved = run.save();
        const qsizetype header = saved.indexOf("// [ Kept Lines ] \r\n");
        QCOMPARE(header < 0 ? QByteArray() : saved.mid(header + 20).trimmed(), kept);
    }

    // A drop on the menu: a script applies to the pages not yet opened; a
    // second script, or anything else, is answered and changes nothing.
    void drops() {
        Run run;
        QTemporaryDir dir;
        const QString script = dir.filePath("mine.CFG");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("sensitivity 4\r\ngamma 2\r\nbind x \"say hi\"\r\n");
        file.close();
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
        drop({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
        QVERIFY(!run.menu().openedScript());
        run.visit("Command5"); // the video page keeps what was chosen there
        drop({QUrl::fromLocalFile(script)});
        QVERIFY(run.menu().openedScript());
        drop({QUrl::fromLocalFile(script)});
        run.visit("Command6", [](QWidget* page) { QCOMPARE(shown(page, "SEN1"), "4"); });
        QStringList texts;
        for (const AskedDialog& d : run.dialogs.asked)
            texts << d.text.section('\n', 0, 0);
        QCOMPARE(
            texts,
            (QStringList{
                notAScriptText(),
                openedReportText(script, run.menu().openedScript()->report()).section('\n', 0, 0),
                secondScriptText(script)}));
        const QByteArray saved = run.save();
        QVERIFY(saved.contains("gamma \"1\"") && !saved.contains("gamma 2"));
        QVERIFY(saved.endsWith("// [ Kept Lines ] \r\nbind x \"say hi\"\r\n"));
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
            << "followed: \\x1b]0;owned\\x07.cfg\n";
        QTest::newRow("no text in an exec")
            << QByteArray("x.cfg") << QByteArray("exec \"a\x98\x1b[1A.cfg\"\r\n")
            << "followed: a\\ufffd\\x1b[1A.cfg\n";
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

    // Unreadable files get a word and change nothing.
    void unreadable() {
        Run run;
        QTemporaryDir dir;
        QVERIFY(!run.menu().openScriptFile(dir.filePath("missing.cfg")));
        QVERIFY(!run.menu().openScriptFile(dir.path()));
        QVERIFY(!run.menu().openedScript());
        QCOMPARE(run.dialogs.asked.size(), 2);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestOpened opened;
    return QTest::qExec(&opened, argc, argv);
}
#include "tst_opened.moc"
