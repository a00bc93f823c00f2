#include "platform/GameFolderSearch.h"

#include <QtTest>

#include <sys/stat.h>

using namespace std::chrono_literals;

// Fake homes in the shapes players' Steam folders take. Each entry of a
// home is a folder (ending in '/'), a FIFO ("fifo:" before the path) or a
// file ("path=content", %h standing for the home's own path).
class TestGameFolder : public QObject {
    Q_OBJECT

  private slots:
    void found_data() {
        QTest::addColumn<QStringList>("home");
        QTest::addColumn<QString>("found"); // under the home, or "" for none
        const QString steam = ".local/share/Steam/";
        const QString game = "steamapps/common/Half-Life/cstrike/";
        const QString list = steam + "steamapps/libraryfolders.vdf=";
        const QString today = "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n"
                              "\t\t\"apps\" { \"10\" \"0\" }\n\t}\n}\n";
        const QString lib = today.arg("%h/lib");
        const QString manifest = "lib/steamapps/appmanifest_10.acf=\"AppState\" { \"appid\" "
                                 "\"10\" \"StateFlags\" \"%1\" \"installdir\" \"Half-Life\" }";
        QTest::newRow("Steam's own library") << QStringList{steam + game} << steam + game;
        QTest::newRow("listed, escaped backslash")
            << QStringList{list + today.arg("%h/my\\\\games"), "my\\games/" + game}
            << "my\\games/" + game;
        QTest::newRow("old list") << QStringList{".steam/steam/steamapps/libraryfolders.vdf="
                                                 "\"LibraryFolders\" { // x\n \"1\" \"%h/lib\" }",
                                                 "lib/" + game}
                                  << "lib/" + game;
        QTest::newRow("Flatpak") << QStringList{".var/app/com.valvesoftware.Steam/" + steam + game}
                                 << ".var/app/com.valvesoftware.Steam/" + steam + game;
        QTest::newRow("snap") << QStringList{"snap/steam/common/.local/share/Steam/" + game}
                              << "snap/steam/common/.local/share/Steam/" + game;
        QTest::newRow("installed beats leftover")
            << QStringList{steam + game, list + lib, manifest.arg(4), "lib/" + game}
            << "lib/" + game;
        QTest::newRow("updating wins nothing")
            << QStringList{steam + game, list + lib, manifest.arg(1026), "lib/" + game}
            << steam + game;
        QTest::newRow("any case") << QStringList{".local/share/Steam/SteamApps/common/half-life/"
                                                 "CStrike/"}
                                  << ".local/share/Steam/SteamApps/common/half-life/CStrike/";
        QTest::newRow("byte-order mark")
            << QStringList{list + QChar(0xFEFF) + lib, "lib/" + game} << "lib/" + game;
        QTest::newRow("relative path") << QStringList{list + today.arg("lib"), "lib/" + game} << "";
        QTest::newRow("open brace") << QStringList{list + lib.chopped(2), "lib/" + game} << "";
        QTest::newRow("oversized list")
            << QStringList{list + lib + QString(1 << 20, ' '), "lib/" + game} << "";
        QTest::newRow("FIFOs") << QStringList{"fifo:.steam/steam/steamapps/libraryfolders.vdf",
                                              "fifo:" + manifest.section('=', 0, 0), list + lib,
                                              "lib/" + game}
                               << "lib/" + game;
    }

    // Through the whole lookup as the Save As dialog asks for it; a read
    // that blocked would run past the deadline and find nothing.
    void found() {
        QFETCH(QStringList, home);
        QFETCH(QString, found);
        QTemporaryDir dir;
        const QDir root(dir.path());
        for (QString entry : home) {
            entry.replace("%h", dir.path());
            const QString path = root.filePath(entry.section('=', 0, 0).remove("fifo:"));
            QVERIFY(root.mkpath(entry.endsWith('/') ? path : QFileInfo(path).path()));
            if (entry.startsWith("fifo:")) {
                QVERIFY(mkfifo(path.toLocal8Bit(), 0600) == 0);
            } else if (!entry.endsWith('/')) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) &&
                        file.write(entry.section('=', 1).toUtf8()) > 0);
            }
        }
        // A relative path must not be taken from the current folder either.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        qputenv("HOME", dir.path().toLocal8Bit());
        QElapsedTimer clock;
        clock.start();
        const QString result = quelmar::findGameFolderWithin(1s);
        QDir::setCurrent(previous);
        QCOMPARE(result, found.isEmpty() ? "" : QDir(root.filePath(found)).canonicalPath());
        QVERIFY(clock.elapsed() < 1000);
    }

    void deadline() {
        QSemaphore go, finished;
        const auto late = quelmar::resultWithin(
            [&] {
                go.acquire();
                finished.release();
                return QString("late");
            },
            100ms);
        QVERIFY(!late);
        go.release();
        QVERIFY(finished.tryAcquire(1, 2000));
        QCOMPARE(quelmar::resultWithin([] { return QString("soon"); }, 2s), "soon");
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
