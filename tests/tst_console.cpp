// The console model: what the game holds after a script, over the shapes
// players' scripts take.
#include "tests/support/EndState.h"

#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestConsole : public QObject {
    Q_OBJECT

  private slots:
    void endStates_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("files"); // "name=text", run by exec
        QTest::addColumn<QStringList>("state"); // endState(), then "exec NAME OUTCOME"
        QTest::newRow("later lines win, any case, setinfo")
            << QByteArray("cl_timeout \"60\"\r\nCL_TIMEOUT 45 extra\nsetinfo _Vgui 1\n"
                          "setinfo _vgui \"0\"")
            << QStringList{} << QStringList{"var cl_timeout=45", "var setinfo _vgui=0"};
        QTest::newRow("binds: one key under every spelling, unbind, unbindall")
            << QByteArray("bind a +jump\nbind \"a\" \"+duck\"\nbind kp_end x; bind KP_END y\n"
                          "bind b z\nunbind \"b\"\nbind \"Page Up\" +use\nbind c\n")
            << QStringList{} << QStringList{"bind ?PAGE UP=+use", "bind KP_END=y", "bind a=+duck"};
        QTest::newRow("mid-file unbindall, and a comment's ';' runs its rest")
            << QByteArray("bind a x\nunbindall\nbind b y // bhop; unbindall resets the rest\n"
                          "bind c z\n")
            << QStringList{} << QStringList{"bind c=z"};
        QTest::newRow("aliases: called at top level they run; bound ones do not")
            << QByteArray("alias setup \"sensitivity 3; bind q +jump; alias later gamma 2\"\n"
                          "bind x \"gamma 9\"\nalias onkey \"fps_max 1\"\nbind y onkey\nsetup\n")
            << QStringList{}
            << QStringList{"alias later=gamma 2",
                           "alias onkey=fps_max 1",
                           "alias setup=sensitivity 3; bind q +jump; alias later gamma 2",
                           "bind q=+jump",
                           "bind x=gamma 9",
                           "bind y=onkey",
                           "var sensitivity=3"};
        QTest::newRow("an alias calling itself ends")
            << QByteArray("alias loop \"fps_max 1; loop\"\nloop\nviewsize 100\n") << QStringList{}
            << QStringList{"alias loop=fps_max 1; loop", "var fps_max=1", "var viewsize=100"};
        QTest::newRow("toggles and the other commands in their order")
            << QByteArray("+mlook\necho hi\ndrawradar\n-mlook\nhideradar\nquit\nsay \"a b\"")
            << QStringList{}
            << QStringList{"toggle mlook=-mlook", "toggle radar=hideradar", "run 1: echo hi",
                           "run 2: quit", "run 3: say \"a b\""};
        QTest::newRow("exec: run, missing, loops, the game's own, not a .cfg")
            << QByteArray("exec binds.cfg\nsensitivity 2.5\nexec gone.cfg\nexec config.cfg\n"
                          "exec notes.txt\nexec LOOP.CFG\n")
            << QStringList{"binds.cfg=sensitivity 9\nbind mouse2 +jump\nexec sub/more.cfg",
                           "sub/more.cfg=gamma 3\nexec binds.cfg", "loop.cfg=exec loop.cfg"}
            << QStringList{"bind MOUSE2=+jump",       "var gamma=3",
                           "var sensitivity=2.5",     "exec binds.cfg Ran",
                           "exec sub/more.cfg Ran",   "exec binds.cfg Loop",
                           "exec gone.cfg Missing",   "exec config.cfg GameOwn",
                           "exec notes.txt Unusable", "exec LOOP.CFG Ran",
                           "exec loop.cfg Loop"};
        QTest::newRow("the console reads to the first NUL")
            << QByteArray("gamma 2\nbrightness 1\0\nbrightness 3\n", 33) << QStringList{}
            << QStringList{"var brightness=1", "var gamma=2"};
    }
    void endStates() {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, files);
        QFETCH(QStringList, state);
        QHash<QByteArray, QByteArray> byName;
        for (const QString& file : files)
            byName.insert(file.section('=', 0, 0).toLatin1(), file.section('=', 1).toLatin1());
        ConsoleModel model([&](const QByteArray& name, bool& unusable) {
            unusable = false;
            const auto found = byName.constFind(name.toLower());
            return found == byName.cend() ? std::nullopt : std::optional(*found);
        });
        model.run(script);
        QStringList seen = endState(model);
        const char* outcomes[] = {"Ran", "Missing", "GameOwn", "Loop", "TooDeep", "Unusable"};
        for (const ConsoleExec& exec : model.execs())
            seen << QStringLiteral("exec %1 %2")
                        .arg(QString::fromLatin1(exec.name), QLatin1String(outcomes[exec.outcome]));
        QCOMPARE(seen, state);
    }

    // Files beside the script: found in any case, never above its folder,
    // never a pipe.
    void filesInFolder() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Sub"));
        QFile file(dir.filePath("Sub/Binds.CFG"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("gamma 4\n") == 8);
        file.close();
        const ConsoleModel found = modelOf("exec sub\\binds.cfg\nexec ../x.cfg\n", dir.path());
        QCOMPARE(endState(found), QStringList{"var gamma=4"});
        QCOMPARE(found.execs().size(), 2);
        QCOMPARE(found.execs()[1].outcome, ConsoleExec::Unusable);
    }

    // A long script lets a window paint now and then while it runs.
    void progress() {
        int calls = 0;
        ConsoleModel model;
        model.setProgress([&] { ++calls; });
        model.run(QByteArray("gamma 1\n").repeated(200'000));
        QCOMPARE(calls, 200'000 / 65'536);
    }

    // The promise's own judge: a changed value, a lost key and commands run
    // in another order are caught; the program's additions are not.
    void judge() {
        const ConsoleModel opened = modelOf("gamma 2\nbind a x\necho 1\necho 2\n");
        QVERIFY(brokenPromise(opened, modelOf("bind a x\ngamma 2.0\nbind b y\necho 1\necho 2"))
                    .isEmpty());
        QVERIFY(!brokenPromise(opened, modelOf("gamma 3\nbind a x\necho 1\necho 2")).isEmpty());
        QVERIFY(brokenPromise(opened, modelOf("gamma 3\nbind a x\necho 1\necho 2"), {"var gamma"})
                    .isEmpty());
        QVERIFY(!brokenPromise(opened, modelOf("gamma 2\necho 1\necho 2")).isEmpty());
        QVERIFY(!brokenPromise(opened, modelOf("gamma 2\nbind a x\necho 2\necho 1")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
