// The script check and the key-name fixer, through the command line's own
// entry points: what a player sees on the terminal, and the exit status.
#include "binds/KeyNames.h"
#include "buy/BuyKeyboard.h"
#include "check/ConsoleKeys.h"
#include "check/ScriptTools.h"
#include "tests/support/Golden.h"

#include <QDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestCheck : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString out, err;
    QTextStream outStream{&out}, errStream{&err};

    int check(const QStringList& files) {
        out.clear(), err.clear();
        return checkScripts(files, outStream, errStream);
    }

    QString write(const QByteArray& bytes) {
        QFile file(tmp.filePath("s.cfg"));
        file.open(QIODevice::WriteOnly), file.write(bytes);
        return file.fileName();
    }

  private slots:
    void init() { QDir::setCurrent(QUELMAR_TEST_DATA_DIR); }

    // Of the command page's 95 names exactly the fixes list is rejected; the
    // weapon page's names all pass; one character passes whatever it is.
    void keyRule() {
        const ConsoleKeys& keys = ConsoleKeys::embedded();
        const QHash<QString, QString> rejected{
            {"Num 0", "KP_INS"},        {"Num 1", "KP_END"},       {"Num 2", "KP_DOWNARROW"},
            {"Num 3", "KP_PGDN"},       {"Num 4", "KP_LEFTARROW"}, {"Num 5", "KP_5"},
            {"Num 6", "KP_RIGHTARROW"}, {"Num 7", "KP_HOME"},      {"Num 8", "KP_UPARROW"},
            {"Num 9", "KP_PGUP"},       {"Backup", "BACKSPACE"},   {"Page Up", "PGUP"},
            {"Page Down", "PGDN"},      {"Insert", "INS"},         {"Num -", "KP_MINUS"},
            {"Num /", "KP_SLASH"},      {"Num Lock", ""},          {"Scroll Lock", "SCROLLOCK"}};
        QStringList pageNames{"Mouse1", "Mouse2", "Mouse3"};
        for (int code = 0; code < 256; ++code)
            if (!keyName(code).isEmpty())
                pageNames.append(keyName(code));
        QCOMPARE(pageNames.size(), 95);
        for (const QString& name : pageNames) {
            QCOMPARE(keys.accepts(name), !rejected.contains(name));
            QCOMPARE(keys.consoleNameFor(name), rejected.value(name));
        }
        for (const QString& name : BuyKeyboard::defaultKeys())
            QVERIFY2(keys.accepts(name), qPrintable(name));
        for (const char* name : {"~", "\\", "kp_pgup", "mWheelUp", "SemiColon"})
            QVERIFY2(keys.accepts(name), name);
        for (const char* name : {"", " ~ ", "Mouse 1", "PGUP "})
            QVERIFY2(!keys.accepts(name), name);
        QCOMPARE(keys.keyOf("pgup"), keys.keyOf("PgUp"));
        QCOMPARE(keys.keyOf("semicolon"), keys.keyOf(";"));
        QVERIFY(keys.keyOf("a") != keys.keyOf("A"));
    }

    // Each rule alone, in LF and CR LF files: the findings without "FILE:".
    void rules_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("findings");
        QTest::newRow("clean") << QByteArray("// x\n\nbind \"PGUP\" \"+jump\"\r\nname \"a;b\"\n")
                               << "";
        QTest::newRow("open quote")
            << QByteArray("say a//b \"c\r\nname \"a b\r\necho \"//\"//\"\r\n")
            << "1: error: double quotes do not pair up\n2: error: double quotes do not pair up\n";
        QTest::newRow("further command")
            << QByteArray("name \"x\" ; quit ; \"\"\nbind a b; bind c d // \"e\"; quit\n")
            << "1: error: text after a quoted value runs as a further command: quit\n";
        QTest::newRow("twice") << QByteArray("bind f a\nbind \"f\" b\nunbind f\nbind f c\n"
                                             "BIND SemiColon d\nbind \";\" e\nunbindall\nbind f x\n"
                                             "bind F y")
                               << "2: warning: key \"f\" is bound again; this line replaces "
                                  "the bind of line 1\n6: warning: key \";\" is bound again; "
                                  "this line replaces the bind of line 5\n";
        QTest::newRow("aliases") << QByteArray("bind a \"1-2;ammo1;4-1; reset\"\nalias ammo1 x\n"
                                               "bind b \"1-2;xy\"\r\nalias \"4-1\" y")
                                 << "1: warning: buy alias \"1-2\" is not defined by any alias "
                                    "line of this file\n1: warning: buy alias \"reset\" is not "
                                    "defined by any alias line of this file\n"
                                    "3: warning: buy alias \"1-2\" is not defined by any alias "
                                    "line of this file\n";
        QTest::newRow("keys") << QByteArray("bind \"Num Lock\" a\nunbind \"Scroll Lock\"\n"
                                            "bind ~ b\nbind \"\xC0\xC1 1\"\n")
                              << "1: error: key \"Num Lock\" is not a console key name\n"
                                 "2: error: key \"Scroll Lock\" is not a console key name; use "
                                 "\"SCROLLOCK\"\n3: warning: \"~\" is the console's own key; the "
                                 "game never hands it to a bind\n4: error: key \"АБ 1\" is not "
                                 "a console key name\n";
    }
    void rules() {
        QFETCH(QByteArray, script);
        QFETCH(QString, findings);
        const QString path = write(script);
        QCOMPARE(check({path}), findings.isEmpty() ? 0 : 1);
        QString expected;
        for (const QString& line : findings.split(u'\n', Qt::SkipEmptyParts))
            expected += path + ':' + line + '\n';
        QCOMPARE(out, expected);
        QCOMPARE(err, QString());
    }

    // A script saved by the program, checked, fixed and checked again.
    void savedScript() {
        QCOMPARE(check({"saved.cfg"}), 1);
        QCOMPARE(out.toUtf8(), goldenBytes("saved.check.txt"));
        const QString fixedPath = tmp.filePath("fixed.cfg");
        QCOMPARE(fixScriptKeys("saved.cfg", fixedPath, errStream), 1);
        QCOMPARE(err.toUtf8(), goldenBytes("saved.fix-keys.txt"));
        QUELMAR_COMPARE_GOLDEN(readBytes(fixedPath), "saved.fixed.cfg");
        QCOMPARE(check({"saved.fixed.cfg"}), 1);
        QCOMPARE(out.toUtf8(), goldenBytes("saved.fixed.check.txt"));
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
