#include "platform/GameFolder.h"

#include <QtTest>

class TestGameFolder : public QObject {
    Q_OBJECT

  private slots:
    void found_data() {
        QTest::addColumn<QString>("steam");  // under home
        QTest::addColumn<QByteArray>("vdf"); // %1 stands for the library's folder
        QTest::addColumn<bool>("found");
        const QString native = QStringLiteral(".local/share/Steam");
        const QByteArray today = "\"libraryfolders\"\n{ \"0\" {\n\"path\"\t\"%1\"\n\"apps\" {} } }";
        QTest::newRow("library listed") << native << today << true;
        QTest::newRow("flatpak") << QStringLiteral(".var/app/com.valvesoftware.Steam/") + native
                                 << today << true;
        QTest::newRow("old") << QString(".steam/steam") << QByteArray("L{//x\n\"1\" \"%1\"}")
                             << true;
        QTest::newRow("no list") << native << QByteArray() << false;
        QTest::newRow("open brace") << native << today.left(today.lastIndexOf('}')) << false;
        QTest::newRow("stray brace") << native << today + "}" << false;
        QTest::newRow("open quote") << native << QByteArray("\"x\" { \"path\" \"%1") << false;
    }

    void found() {
        QFETCH(QString, steam);
        QFETCH(QByteArray, vdf);
        QFETCH(bool, found);
        QTemporaryDir home;
        // A backslash in the folder's name checks that escapes are undone.
        const QString library = home.filePath(QStringLiteral("games\\lib"));
        const QString game = library + QStringLiteral("/steamapps/common/Half-Life/cstrike");
        QVERIFY(QDir().mkpath(game) && QDir(home.path()).mkpath(steam + "/steamapps"));
        if (!vdf.isEmpty()) {
            QFile list(home.filePath(steam + "/steamapps/libraryfolders.vdf"));
            const QString escaped = QString(library).replace('\\', "\\\\");
            QVERIFY(list.open(QIODevice::WriteOnly) &&
                    list.write(vdf.replace("%1", escaped.toUtf8())));
        }
        QCOMPARE(quelmar::findGameFolder(home.path()), found ? QDir(game).canonicalPath() : "");
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
