// The script check and the key-name fixer: how the console splits text into
// commands and words, and what a player sees on the terminal for real-world
// scripts, with the exit status.
#include "binds/KeyNames.h"
#include "buy/BuyKeyboard.h"
#include "check/GameHook.h"
#include "check/SaveKeyOffer.h"
#include "check/ScriptCheck.h"
#include "check/ScriptStream.h"
#include "check/ScriptTools.h"
#include "config/ConsoleKeys.h"
#include "config/ConsoleReader.h"
#include "config/KeyJobs.h"
#include "config/PathBytes.h"
#include "tests/support/Golden.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// The commands the console makes of text, " | " between them: each command's
// words in brackets (over 20 bytes as <size>), then what shaped it: "//" a
// comment ended it, "~" an open quote read over a ';' or "//", "!" a word too
// long ended it, ">" it was cut for length.
QString commandsOf(const QByteArray& text) {
    QStringList commands;
    ConsoleReader reader(text);
    ConsoleCommand command;
    while (reader.next(command)) {
        QString shown;
        for (const ConsoleWord& word : command.words) {
            const QByteArrayView bytes = reader.wordText(word);
            shown += u'[' +
                     (bytes.size() > 20 ? QStringLiteral("<%1>").arg(bytes.size())
                                        : QString::fromLatin1(bytes)) +
                     u']';
        }
        shown += QString(command.commentAt >= 0 ? "//" : "") +
                 (command.swallowedAt >= 0 ? "~" : "") + (command.longWordAt >= 0 ? "!" : "") +
                 (command.cut ? ">" : "");
        commands << shown;
    }
    return commands.join(QStringLiteral(" | "));
}

// A player's script of random lines over a few keys under their many
// spellings: binds given twice, unbind, unbindall, aliases that bind and
// are called, exec of files that bind (and of a missing one), names the
// console does not know, comments holding ';'. The file it runs goes into folder.
QByteArray randomScript(QRandomGenerator& random, const QDir& folder) {
    static const char* keys[] = {
        "q",          "Q",  "e",  "MOUSE1",    "Mouse1",   "Page Up",  "PGUP", "pgup",   "Num 8",
        "KP_UPARROW", "f1", "F1", "SEMICOLON", "Num Lock", "MWHEELUP", " ~ ",  "kp_PgUp"};
    static const char* commands[] = {
        "+jump",    "+use",   "lastinv", "\"say hi; say there\"", "\"4-1;ammo1;reset\"",
        "buy ak47", "+attack"};
    const auto pick = [&](const auto& list) {
        return QByteArray(list[random.bounded(int(std::size(list)))]);
    };
    const auto bind = [&] { return "bind \"" + pick(keys) + "\" " + pick(commands); };
    // Line shapes: 1 a bind, 2 one without quotes (in an alias), 3 a key,
    // 4 a number, 5 a file to run. Files run get the first four.
    static const char* shapes[] = {"unbind \"3\"",      "1; 1",     "1",      "1",
                                   "alias set4 \"2\"",  "set4",     "exec 5", "1 // keys; 1",
                                   "// note; a remark", "unbindall"};
    const auto lines = [&](int count, bool calls) {
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            for (const char c : QByteArray(shapes[random.bounded(calls ? 10 : 4)]))
                text += c == '1'   ? bind()
                        : c == '2' ? bind().replace('"', "")
                        : c == '3' ? pick(keys)
                        : c == '4' ? QByteArray::number(random.bounded(3))
                        : c == '5' ? QByteArray(random.bounded(3) ? "more.cfg" : "gone.cfg")
                                   : QByteArray(1, c);
            text += random.bounded(2) ? "\r\n" : "\n";
        }
        return text;
    };
    QFile more(folder.filePath("more.cfg"));
    if (!more.open(QIODevice::WriteOnly) || !more.write(lines(3, false)))
        qFatal("cannot write %s", qPrintable(more.fileName()));
    return lines(4 + random.bounded(14), true);
}

// A script cut into pieces at random line ends, of every origin in turn.
QList<ScriptPiece> piecesOf(const QByteArray& script, QRandomGenerator& random) {
    static const KeyOrigin origins[] = {KeyOrigin::Kept, KeyOrigin::Program, KeyOrigin::Commands,
                                        KeyOrigin::Weapons};
    QList<ScriptPiece> pieces;
    for (const QByteArray& line : script.split('\n')) {
        if (pieces.isEmpty() || random.bounded(3) == 0)
            pieces.append({origins[pieces.size() % 4], {}});
        pieces.last().bytes += line + '\n';
    }
    pieces.last().bytes.chop(1);
    return pieces;
}

// The jobs as --keys lists them.
QString keysText(const KeyJobs& jobs) {
    QString text;
    for (const KeyJob& job : jobs.jobs()) {
        text += shownText(job.unknown ? job.name : job.key, 1 << 20) + u'\t' +
                shownText(job.command, 1 << 20);
        QStringList replaced;
        for (const KeyJob::Earlier& earlier : job.replaced)
            replaced << u'"' + shownText(earlier.command, 1 << 20) + u'"';
        if (!replaced.isEmpty())
            text += " (replaces: " + replaced.join(", ") + u')';
        if (job.unknown)
            text += " (not working: the console knows no key of that name)";
        text += u'\n';
    }
    return text;
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString out, err;
    QTextStream outStream{&out}, errStream{&err};

    int check(const QStringList& files) {
        out.clear(), err.clear();
        return checkScripts(files, outStream, errStream);
    }

  private slots:
    void init() { QDir::setCurrent(QUELMAR_TEST_DATA_DIR); }

    // Of the command page's 99 names exactly those of the shipped fix list
    // are rejected, each with the console name given there, which the console
    // takes; the weapon page's names all pass.
    void keyRule() {
        const ConsoleKeys& keys = ConsoleKeys::embedded();
        QHash<QByteArray, QByteArray> shipped;
        for (const QByteArray& line :
             readBytes("../../resources/console/console-key-fixes.txt").split('\n')) {
            const QList<QByteArray> sides = line.split('\t');
            if (sides.size() == 2)
                shipped.insert(sides[0], sides[1].trimmed());
        }
        const QStringList pageNames = allKeyNames();
        QCOMPARE(pageNames.size(), 99);
        QCOMPARE(shipped.size(), 18);
        for (const QString& name : pageNames) {
            const QByteArray bytes = name.toLatin1();
            QCOMPARE(keys.accepts(bytes), !shipped.contains(bytes));
            QCOMPARE(keys.consoleNameFor(bytes), shipped.value(bytes));
            QVERIFY(keys.consoleNameFor(bytes).isEmpty() || keys.accepts(shipped.value(bytes)));
        }
        for (const QString& name : BuyKeyboard::defaultKeys())
            QVERIFY2(keys.accepts(name.toLatin1()), qPrintable(name));
    }

    void consoleReading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("commands");
        const QByteArray y514(514, 'y'), echo1023 = "echo" + QByteArray(1019, ' ');
        QTest::newRow("one-liners") << QByteArray("bind \"F1\" \"ak47\"; bind \"F2\" \"m4a1\"\n"
                                                  "alias +jt \"+jump; -attack\"; bind j +jt")
                                    << "[bind][F1][ak47] | [bind][F2][m4a1] | "
                                       "[alias][+jt][+jump; -attack] | [bind][j][+jt]";
        QTest::newRow("comments") << QByteArray("bind x \"say hi\" // note; kill\nsay a//b\n"
                                                "bind a b // \"e; quit")
                                  << "[bind][x][say hi]// | [kill] | [say][a//b] | [bind][a][b]//";
        QTest::newRow("open quotes")
            << QByteArray("r_traceglow \"0\nsay \"a;b\nsay \"hi // x\n"
                          "say \"a;\t")
            << "[r_traceglow][0] | [say][a;b]~ | [say][hi // x]~ | [say][a;\t]";
        QTest::newRow("blanks") << QByteArray("a\rb\r\nc\t\001\177d") << "[a][b] | [c][\177d]";
        QTest::newRow("own words")
            << QByteArray("echo {a}(b)'c',d:e\"f\" x\"+jump\"")
            << "[echo][{][a][}][(][b][)]['][c]['][,][d][:][e\"f\"][x\"+jump\"]";
        QTest::newRow("empty") << QByteArray("name \"x\" ; quit ; \"\"\na;;b;")
                               << "[name][x] | [quit] | [] | [a] |  | [b]";
        QTest::newRow("bom") << QByteArray("\357\273\277bind a") << "[\u00EF\u00BB\u00BFbind][a]";
        QTest::newRow("long words")
            << "say " + y514 + " z\nsay " + y514 + "y z\nsay \"" + y514 + "y\" z"
            << "[say][<514>][z] | [say]! | [say]!";
        QTest::newRow("long commands")
            << echo1023 + ";b\n" + echo1023 + "b;c\nsay \"" + QByteArray(1023, 'a') + ";d"
            << "[echo] | [b] | [echo]> | [b] | [c] | [say]!> | [aaaaa] | [d]";
    }
    void consoleReading() {
        QFETCH(QByteArray, text);
        QTEST(commandsOf(text), "commands");
    }

    // Players' own files in the shapes they take (a userconfig.cfg of
    // one-liners, the game's config.cfg, a buy script), every rule on a line
    // of its own, and what a byte-order mark, bare CR line ends and a NUL do.
    void realWorldScripts() {
        QCOMPARE(check({"check_userconfig.cfg", "check_config.cfg"}), 0);
        QCOMPARE(out + err, QString());
        QCOMPARE(check({"check_userconfig.cfg", "check_config.cfg", "check_buy.cfg",
                        "check_rules.cfg", "check_bom.cfg", "check_cr_only.cfg", "check_nul.cfg"}),
                 1);
        QCOMPARE(out.toUtf8(), goldenBytes("check_corpus.txt"));
        QCOMPARE(err, QString());
        const QString fixedPath = tmp.filePath("fixed.cfg");
        QCOMPARE(fixScriptKeys("check_rules.cfg", fixedPath, errStream), 1);
        QCOMPARE(readBytes(fixedPath), readBytes("check_rules.cfg")
                                           .replace("\"Num 0\"", "\"KP_INS\"")
                                           .replace("\"Page Up\"", "\"PGUP\"")
                                           .replace("\"Scroll Lock\"", "\"SCROLLOCK\"")
                                           .replace("bind Insert", "bind INS"));
        QCOMPARE(err.toUtf8(), goldenBytes("check_rules.fix-keys.txt"));
    }

    // The save's offer mends the names --fix-keys mends in a script saved by
    // the program (cli_files.sh checks that script, fixed and unfixed), and
    // leaves the preamble alone.
    void savedScript() {
        const SaveKeyOffer offer = SaveKeyOffer::of(readBytes("saved.cfg"));
        QCOMPARE(offer.fixed, readBytes("saved.fixed.cfg"));
        QCOMPARE(offer.names, (QList<QByteArray>{"Insert", "Num 8", "Num 2", "Num 4", "Num 6",
                                                 "Page Up", "Num 0"}));
    }

    // The check holds a window of the script: wherever the window moves on,
    // within a command or between, it finds what it finds in one piece.
    void windowMovesAnywhere() {
        for (const char* name : {"check_userconfig.cfg", "check_buy.cfg", "check_rules.cfg",
                                 "check_cr_only.cfg", "check_nul.cfg", "saved.cfg"}) {
            const QByteArray script = readBytes(name);
            QString whole;
            // Empty commands before it move every byte on, and change nothing.
            const qsizetype moves = 65536 - ConsoleReader::kLookahead + 1;
            for (const qsizetype pad : {qsizetype(0), moves - script.size(),
                                        moves - script.size() / 2, moves - 1, moves + 1}) {
                QString found;
                ScriptCheck check(ConsoleKeys::embedded());
                const QByteArray padded = QByteArray(pad, ';') + script;
                MemorySource source(padded);
                QVERIFY(
                    check.run(source, [&](const Finding& f) { found += f.format(name) + '\n'; }));
                if (pad == 0)
                    whole = found;
                QCOMPARE(found, whole);
            }
        }
    }

    // userconfig.cfg byte for byte before and after the line that runs the
    // script is added: once, after every old byte, or not at all. "-" is no
    // file; a fault: the file's read-only mark, a rename refused as read-only,
    // a full disk, or userconfig.cfg a link to real.cfg.
    void hookingUserConfig_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("added");
        using O = HookResult::Outcome;
        const QString my = "my.cfg", blank = "My Script (2).cfg";
        const auto row = [](const char* name, const QByteArray& before, const QString& script,
                            const char* fault, O outcome, const QByteArray& added) {
            QTest::newRow(name) << before << script << fault << int(outcome) << added;
        };
        row("there", "exec my.cfg\r\n", my, "", O::AlreadyThere, "");
        row("in other case, quoted, after ;", "bind w +forward; EXEC \"My.CFG\" // mine\nname x",
            my, "", O::AlreadyThere, "");
        row("only in a comment, an alias, with two words",
            "// exec my.cfg\r\nalias x \"exec my.cfg\"\r\n"
            "exec my.cfg x\r\n",
            my, "", O::Added, "exec my.cfg\r\n");
        row("missing", "-", my, "", O::Added, "exec my.cfg\r\n");
        row("no final line end", "name x\r\nbind w +forward", my, "", O::Added,
            "\r\nexec my.cfg\r\n");
        row("LF only", "name x\nbind w +forward", my, "", O::Added, "\nexec my.cfg\n");
        row("a CR alone at the end", "name x\r", my, "", O::Added, "\r\nexec my.cfg\r\n");
        row("a blank: unquoted there", "exec my script (2).cfg\r\n", blank, "", O::Added,
            "exec \"My Script (2).cfg\"\r\n");
        row("a blank: quoted there", "exec \"my script (2).cfg\"\n", blank, "", O::AlreadyThere,
            "");
        row("UTF-16", QByteArray("\xff\xfex\0y\0", 6), my, "", O::CutShort, "");
        row("read-only", "name x\r\n", my, "read-only", O::Failed, "");
        row("rename refused as read-only", "name x\r\n", my, "refused", O::Failed, "");
        row("disk full", "name x\r\n", my, "full", O::Failed, "");
        row("a link", "name x", my, "link", O::Added, "\r\nexec my.cfg\r\n");
    }
    void hookingUserConfig() {
        QFETCH(QByteArray, before);
        QFETCH(QString, fault);
        QFETCH(QString, name);
        QFETCH(QByteArray, added);
        if (fault == "link" && QSysInfo::productType() == "windows")
            QSKIP("a link made by Qt on Windows is a shortcut file");
        const QTemporaryDir dir;
        const QString path = dir.filePath(kUserConfig), real = dir.filePath("real.cfg");
        QFile file(fault == "link" ? real : path);
        if (before != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        if (before == "-")
            before.clear();
        QVERIFY(fault != "link" || QFile::link("real.cfg", path));
        QVERIFY(fault != "read-only" || QFile::setPermissions(path, QFile::ReadOwner));
        const HookResult result =
            installHook(dir.path(), name,
                        fault == "refused" ? brokenDisk(-1, false, FileProblem::ReadOnlyFile)
                        : fault == "full"  ? brokenDisk(0)
                                           : FileCalls{});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QTEST(int(result.outcome), "outcome");
        QCOMPARE(readBytes(path), before + added);
        QCOMPARE(result.replacedLink, fault == "link");
        QVERIFY(fault != "link" ||
                (statusAt(path).kind == FileKind::Regular && readBytes(real) == before));
        QCOMPARE(QDir(dir.path()).entryList({".quelmar*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // Names the console can run, the game's own, and the game's folder.
    void execNames() {
        using P = ExecNameProblem;
        const std::pair<const char*, P> names[] = {
            {"My (2).CFG", P::None},   {"", P::Empty},         {"a\tb.cfg", P::Control},
            {"Вася.cfg", P::NotAscii}, {"../x.cfg", P::Path},  {"a\\b.cfg", P::Path},
            {"c:x.cfg", P::Path},      {"a..cfg", P::Path},    {"~x.cfg", P::Tilde},
            {"a;b.cfg", P::Semicolon}, {"a\"b.cfg", P::Quote}, {"x.cfg.txt", P::NotCfg}};
        for (const auto& [name, problem] : names)
            QVERIFY2(execNameProblem(QString::fromUtf8(name)) == problem, name);
        QVERIFY(isGameOwnScript(u"UserConfig.CFG") && isGameOwnScript(u"autoexec.cfg") &&
                !isGameOwnScript(u"config.cfg.cfg"));
        const QTemporaryDir game;
        QVERIFY(!isGameFolder(game.path(), {}) && isGameFolder(game.path() + "/.", game.path()));
        QFile mark(game.filePath("LibList.gam"));
        QVERIFY(mark.open(QIODevice::WriteOnly) && isGameFolder(game.path(), tmp.path()));
    }

    // Names from the system in any bytes come back exactly; shown, every
    // control character and kept byte is escaped.
    void namesInAnyBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << QByteArray("saved.cfg") << "saved.cfg";
        QTest::newRow("UTF-8") << QByteArray("\xd0\x92\xd0\xb0\xd1\x81\xd1\x8f \xf0\x9f\x98\x80")
                               << "Вася 😀";
        QTest::newRow("CP1251") << QByteArray("\xc2\xe0\xf1\xff.cfg") << "\\xc2\\xe0\\xf1\\xff.cfg";
        QTest::newRow("controls") << QByteArray("a\x1b[2J\x07\x7f\xc2\x9b")
                                  << "a\\x1b[2J\\x07\\x7f\\x9b";
        QTest::newRow("no text, turned around")
            << QByteArray("\xef\xbf\xbd\xe2\x80\xae.cfg") << "\\ufffd\\u202e.cfg";
        QTest::newRow("not UTF-8")
            << QByteArray("\xc0\x80\xed\xa0\x80\xf8\x88\x80\x80\x80\xe2\x82")
            << "\\xc0\\x80\\xed\\xa0\\x80\\xf8\\x88\\x80\\x80\\x80\\xe2\\x82";
    }
    void namesInAnyBytes() {
        QFETCH(QByteArray, bytes);
        const QString path = pathFromBytes(bytes);
        QCOMPARE(pathToBytes(path), bytes);
        QTEST(terminalText(path), "shown");
    }

    // The key jobs of a script cut into pieces are what --keys lists for the
    // whole file, and each job is the piece's that gave it: the first piece
    // after which the key already holds that very bind.
    void keyJobsAsKeysLists() {
        QRandomGenerator random(20261207);
        QTemporaryDir dir;
        for (int n = 0; n < 80; ++n) {
            const QByteArray script = randomScript(random, dir.path());
            QFile file(dir.filePath(QStringLiteral("keys%1.cfg").arg(n)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(script) == script.size());
            file.close();
            QString listed;
            QTextStream listOut(&listed), listErr(&err);
            listKeys(file.fileName(), listOut, listErr);
            const QList<ScriptPiece> pieces = piecesOf(script, random);
            const KeyJobs jobs(pieces, ConsoleModel::filesIn(dir.path()));
            QCOMPARE(keysText(jobs), listed);

            QList<QHash<QByteArray, ConsoleEntry>> after; // the binds after each piece
            QByteArray prefix;
            for (const ScriptPiece& piece : pieces) {
                ConsoleModel model(ConsoleModel::filesIn(dir.path()));
                model.run(prefix += piece.bytes);
                after.append(model.binds());
            }
            for (const KeyJob& job : jobs.jobs()) {
                const qint64 order = after.last()[job.key].source.order;
                qsizetype piece = 0;
                while (after[piece].value(job.key).source.order != order)
                    ++piece;
                QVERIFY2(job.origin == pieces[piece].origin, script.constData());
                if (job.unknown)
                    QCOMPARE(jobs.on(job.meant).contains(&job), !job.meant.isEmpty());
            }
        }
    }

    // A directory or a missing file: status 2 with the reason, the rest still checked.
    void unreadable() {
        QCOMPARE(check({"saved.cfg", tmp.path(), "missing.cfg", "saved.fixed.cfg"}), 2);
        QCOMPARE(out.toUtf8(),
                 goldenBytes("saved.check.txt") + goldenBytes("saved.fixed.check.txt"));
        QCOMPARE(err.count("cannot read"), 2);
        QCOMPARE(fixScriptKeys("missing.cfg", tmp.filePath("o.cfg"), errStream), 2);
        QCOMPARE(fixScriptKeys("saved.cfg", tmp.path(), errStream), 2);
        QVERIFY(!QFile::exists(tmp.filePath("o.cfg")));
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
