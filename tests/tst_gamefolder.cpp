#include "platform/GameFolder.h"
#include "platform/GameFolderSearch.h"
#include "tests/support/Fakes.h"

#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace std::chrono_literals;
using quelmar::GameFolderLookup;
using quelmar::test::fakeSearch;
constexpr std::chrono::milliseconds kPatience(quelmar::test::kPatience);

class TestGameFolder : public QObject {
    Q_OBJECT

  private slots:
    // Fake homes in the shapes players' Steam folders take, entries apart by
    // '|': a folder ends in '/' ("*" before the one to be found), "fifo:"
    // makes a FIFO, "path=text" a file (%h standing for the home's path).
    void found_data() {
#ifdef Q_OS_WIN
        QSKIP("Steam's places on Linux");
#else
        QTest::addColumn<QString>("home");
        const QString steam = ".local/share/Steam/", game = "steamapps/common/Half-Life/cstrike/";
        const QString list = steam + "steamapps/libraryfolders.vdf=", inLib = "|*lib/" + game;
        const QString today = "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n"
                              "\t\t\"apps\" { \"10\" \"0\" }\n\t}\n}\n";
        const QString lib = today.arg("%h/lib");
        const QString manifest = "lib/steamapps/appmanifest_10.acf";
        const QString state =
            "|" + manifest + "=\"AppState\" { \"appid\" \"10\" \"StateFlags\" \"%1\" }";
        QTest::newRow("own library") << "*" + steam + game;
        QTest::newRow("listed") << list + today.arg("%h/my\\\\games") + "|*my\\games/" + game;
        QTest::newRow("old list") << ".steam/steam/steamapps/libraryfolders.vdf=\"LibraryFolders\" "
                                     "{ // x\n \"1\" \"%h/lib\" }" +
                                         inLib;
        QTest::newRow("Flatpak") << "*.var/app/com.valvesoftware.Steam/" + steam + game;
        QTest::newRow("snap") << "*snap/steam/common/" + steam + game;
        QTest::newRow("installed") << steam + game + "|" + list + lib + state.arg(4) + inLib;
        QTest::newRow("updating") << "*" + steam + game + "|" + list + lib + state.arg(1026) +
                                         "|lib/" + game;
        QTest::newRow("any case") << "*" + steam + "SteamApps/common/half-life/CStrike/";
        QTest::newRow("byte-order mark") << list + QChar(0xFEFF) + lib + inLib;
        QTest::newRow("relative path") << list + today.arg("lib") + "|lib/" + game;
        QTest::newRow("open brace") << list + lib.chopped(2) + "|lib/" + game;
        QTest::newRow("oversized") << list + lib + QString(1 << 20, ' ') + "|lib/" + game;
        // Near 1 MB of blocks after a library: too deep (ignored) and wide.
        const QString listed = list + lib.chopped(2), deep = QString("a{b c ").repeated(140000);
        QTest::newRow("deep") << listed + deep + QString(140001, '}') + "|lib/" + game;
        QTest::newRow("wide") << listed + QString("a{b c}").repeated(170000) + "}" + inLib;
        QTest::newRow("FIFOs") << "fifo:.steam/steam/steamapps/libraryfolders.vdf|fifo:" +
                                      manifest + "|" + list + lib + inLib;
#endif
    }

    // The whole lookup as the Save As dialog asks for it, in a child
    // process: a blocking read would hang it. A list of 1 MB at most is read
    // in memory of its own order.
    void found() {
#ifndef Q_OS_WIN
        QFETCH(QString, home);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QString found;
        for (QString entry : home.replace("%h", dir.path()).split('|')) {
            if (entry.startsWith('*'))
                found = root.filePath(entry.remove(0, 1));
            const QString path = root.filePath(entry.section('=', 0, 0).remove("fifo:"));
            QVERIFY(root.mkpath(entry.endsWith('/') ? path : QFileInfo(path).path()));
            QFile file(path);
            if (entry.startsWith("fifo:"))
                QVERIFY(mkfifo(path.toLocal8Bit(), 0600) == 0);
            else if (!entry.endsWith('/'))
                QVERIFY(file.open(QIODevice::WriteOnly) &&
                        file.write(entry.section('=', 1).toUtf8()));
        }
        qputenv("HOME", dir.path().toLocal8Bit());
        const QString previous = QDir::currentPath(); // a relative "lib" must not be found here
        QDir::setCurrent(dir.path());
        const QString result =
            GameFolderLookup(GameFolderLookup::gameFolderSearch(), kPatience).folder();
        rusage children{};
        getrusage(RUSAGE_CHILDREN, &children);
        QDir::setCurrent(previous);
        QCOMPARE(result, QFileInfo(found).canonicalFilePath());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's own memory is no measure of the search's
        QVERIFY2(children.ru_maxrss < 64 * 1024, "a search took 64 MB or more");
#endif
#endif
    }

    // Uninstall entries as installers of the game write them on Windows:
    // the folder they name, with forward slashes.
    void installFolder_data() {
        QTest::addColumn<QString>("entry"); // name|location|icon|uninstaller
        QTest::addColumn<QString>("folder");
        // The game's names in the shapes installers give them, near misses,
        // and the places an entry names in the ways installers write them.
        const char* rows[][3] = {
            {"Inno Setup",
             "Counter-Strike 1.6|C:\\Games\\Counter-Strike 1.6\\|C:\\Games\\Counter-Strike "
             "1.6\\hl.exe|\"C:\\Games\\Counter-Strike 1.6\\unins000.exe\"",
             "C:/Games/Counter-Strike 1.6"},
            {"Steam's own",
             "Counter-Strike|C:\\Program Files "
             "(x86)\\Steam\\steamapps\\common\\Half-Life||\"C:\\Program Files "
             "(x86)\\Steam\\steam.exe\" steam://uninstall/10",
             "C:/Program Files (x86)/Steam/steamapps/common/Half-Life"},
            {"uninstaller only", "CS 1.6 Final|||D:\\Игры\\CS 1.6\\uninst.exe /S",
             "D:/Игры/CS 1.6"},
            {"quoted icon", "Half-Life|| \"D:\\HL\\hl.exe\",0|", "D:/HL"},
            {"icon index", "counter strike||D:\\HL\\cs.ico,-101|x", "D:/HL"},
            {"quoted location", "Counter-Strike|\"E:\\\"||", "E:/"},
            {"network share", "Counter-Strike|\\\\nas\\games\\cs16\\||", "//nas/games/cs16"},
            {"file at a drive's root", "Counter-Strike||F:\\hl.exe|", "F:/"},
            {"relative", "Counter-Strike|Games\\CS|hl.exe|", ""},
            {"Windows Installer", "Counter-Strike 1.6|||MsiExec.exe /X{1234}", ""},
            {"another program", "Notepad++|C:\\Program Files\\Notepad++||", ""},
            {"unclosed quote", "Counter-Strike||\"C:\\CS\\hl.exe|", ""},
            {"HalfLife", "HALFLIFE|C:\\HL||", "C:/HL"},
            {"Half Life", "Half Life|C:\\HL||", "C:/HL"},
            {"cs1.6", "[cs1.6] Pro|C:\\CS||", "C:/CS"},
            {"CS 1.6 at the end", "Русская версия CS 1.6|C:\\CS||", "C:/CS"},
            {"Discs 1.6", "Discs 1.6|C:\\D||", ""},
            {"CS 1.60", "CS 1.60|C:\\D||", ""},
            {"CS 16", "CS 16|C:\\D||", ""},
            {"icon index, blanks", "Half-Life||C:\\HL\\hl , -2|", "C:/HL"},
            {"exe inside a word", "Half-Life||C:\\my.exes\\hl.exe,0|", "C:/my.exes"},
            {"DLL in capitals", "Half-Life||D:\\HL\\ICONS.DLL,3|", "D:/HL"},
            {"drive letter only", "Half-Life|C:||", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
    void installFolder() {
        QFETCH(QString, entry);
        QFETCH(QString, folder);
        const QStringList f = entry.split('|');
        QCOMPARE(quelmar::installFolderOf({f[0], f[1], f[2], f[3]}), folder);
    }

    // What the lookup takes from its child: a whole answer in UTF-8, nothing
    // from one that fails or cannot start (one that hangs: tst_mainmenu); an
    // answer after the deadline is taken by a later call.
    void childsAnswer() {
        const QString game = QStringLiteral("D:/Игры/Counter-Strike 1.6");
        QCOMPARE(GameFolderLookup(fakeSearch({"answer", game}), kPatience).folder(), game);
        QCOMPARE(GameFolderLookup(fakeSearch({"fail", game}), kPatience).folder(), QString());
        const QString missing = QCoreApplication::applicationDirPath() + "/missing";
        QCOMPARE(GameFolderLookup({missing, {}}, kPatience).folder(), QString());
        const GameFolderLookup late(fakeSearch({"answer", "late"}), 0ms);
        QTRY_COMPARE_WITH_TIMEOUT(late.folder(), QStringLiteral("late"), kPatience.count());
    }
};

int main(int argc, char** argv) {
    if (const std::optional<int> status = quelmar::test::answerAsSearch(argc, argv))
        return *status;
    QCoreApplication app(argc, argv);
    TestGameFolder test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gamefolder.moc"
