// The console model: what the game holds after a script.
#include "tests/support/EndState.h"

#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestConsole : public QObject {
    Q_OBJECT

  private slots:
    void endStates_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("files"); // "name=text|...", run by exec
        QTest::addColumn<QString>("state"); // endState(), then "exec NAME OUTCOME", by '|'
        const auto row = [](const char* name, const QByteArray& script, const char* files,
                            const char* state) {
            QTest::newRow(name) << script << QString(files) << QString(state);
        };
        row("later lines win, any case, setinfo",
            "cl_timeout \"60\"\r\nCL_TIMEOUT 45 extra\nsetinfo _Vgui 1\nsetinfo _vgui \"0\"", "",
            "var cl_timeout=45|var setinfo _vgui=0");
        row("binds: one key under every spelling, unbind, unbindall",
            "bind a +jump\nbind \"a\" \"+duck\"\nbind kp_end x; bind KP_END y\nbind b z\n"
            "unbind \"b\"\nbind \"Page Up\" +use\nbind c\n",
            "", "bind ?PAGE UP=+use|bind KP_END=y|bind a=+duck");
        row("mid-file unbindall, and a comment's ';' runs its rest",
            "bind a x\nunbindall\nbind b y // bhop; unbindall resets the rest\nbind c z\n", "",
            "bind c=z");
        row("aliases: called at top level they run; bound ones do not",
            "alias setup \"sensitivity 3; bind q +jump; alias later gamma 2\"\n"
            "bind x \"gamma 9\"\nalias onkey \"fps_max 1\"\nbind y onkey\nsetup\n",
            "",
            "alias later=gamma 2|alias onkey=fps_max 1|alias setup=sensitivity 3; bind q "
            "+jump; alias later gamma 2|bind q=+jump|bind x=gamma 9|bind y=onkey|"
            "var sensitivity=3");
        row("an alias calling itself ends", "alias loop \"fps_max 1; loop\"\nloop\nviewsize 100\n",
            "", "alias loop=fps_max 1; loop|var fps_max=1|var viewsize=100");
        row("toggles and the other commands in their order",
            "+mlook\necho hi\ndrawradar\n-mlook\nhideradar\nquit\nsay \"a b\"", "",
            "toggle mlook=-mlook|toggle radar=hideradar|run 1: echo hi|run 2: quit|"
            "run 3: say \"a b\"");
        row("exec: run, missing, loops, the game's own, not a .cfg",
            "exec binds.cfg\nsensitivity 2.5\nexec gone.cfg\nexec config.cfg\nexec notes.txt\n"
            "exec LOOP.CFG\n",
            "binds.cfg=sensitivity 9\nbind mouse2 +jump\nexec sub/more.cfg|"
            "sub/more.cfg=gamma 3\nexec binds.cfg|loop.cfg=exec loop.cfg",
            "bind MOUSE2=+jump|var gamma=3|var sensitivity=2.5|exec binds.cfg Ran|"
            "exec sub/more.cfg Ran|exec binds.cfg Loop|exec gone.cfg Missing|"
            "exec config.cfg GameOwn|exec notes.txt Unusable|exec LOOP.CFG Ran|"
            "exec loop.cfg Loop");
        row("the console reads to the first NUL",
            QByteArray("gamma 2\nbrightness 1\0\nbrightness 3\n", 33), "",
            "var brightness=1|var gamma=2");
    }
    void endStates() {
        QFETCH(QByteArray, script);
        QFETCH(QString, files);
        QFETCH(QString, state);
        QHash<QByteArray, QByteArray> byName;
        for (const QString& file : files.split('|', Qt::SkipEmptyParts))
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
        QCOMPARE(seen, state.split('|'));
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
        QVERIFY(found.execs().size() == 2 && found.execs()[1].outcome == ConsoleExec::Unusable);
    }

    // A long script lets a window paint now and then while it runs.
    void progress() {
        int calls = 0;
        ConsoleModel model;
        model.setProgress([&] { ++calls; });
        model.run(QByteArray("gamma 1\n").repeated(200'000));
        QCOMPARE(calls, 200'000 / 65'536);
    }
};

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
