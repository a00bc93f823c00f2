// Real failures of the script file and the save: nothing written may be lost.
#include "app/MainMenu.h"
#include "app/Program.h"
#include "config/SaveCopy.h"
#include "config/StringResources.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quelmar;
using namespace quelmar::test;

Q_DECLARE_METATYPE(quelmar::SaveOutcome)

namespace {

// The write call of a disk that fills up after limit bytes (none: never).
WriteCall failingAfter(qint64 limit) {
    if (limit < 0)
        return systemWrite();
    auto left = std::make_shared<qint64>(limit);
    return [left](int fd, const void* data, size_t size) -> ssize_t {
        if (*left == 0)
            return errno = ENOSPC, -1;
        const ssize_t done = ::write(fd, data, std::min<size_t>(size, size_t(*left)));
        *left -= std::max<ssize_t>(done, 0);
        return done;
    };
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestSaveFail : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

  private slots:
    void init() { qputenv("TMPDIR", tmp_.path().toLocal8Bit()); }

    void aLineThatFailsIsTakenBackAndReportedOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("cut mid-line") << QString() << 14LL;
        QTest::newRow("/dev/full") << QStringLiteral("/dev/full") << -1LL;
    }
    void aLineThatFailsIsTakenBackAndReportedOnce() {
        QFETCH(QString, path);
        QFETCH(qint64, limit);
        if (!path.isEmpty() && ::geteuid() != 0)
            QSKIP("/dev/full is root's file");
        ConfigStream stream(failingAfter(limit));
        int reports = 0;
        stream.setFailureHandler([&] { ++reports; });
        QVERIFY2(stream.open(path.isEmpty() ? tmp_.filePath(QStringLiteral("s.cfg")) : path),
                 qPrintable(stream.errorString()));
        stream.writeLine(QStringLiteral("first line"));
        stream.writeLine(QStringLiteral("second"));
        stream.writeLine(QStringLiteral("third"));
        QCOMPARE(reports, 1);
        QVERIFY(stream.failed() && !stream.errorString().isEmpty());
        if (path.isEmpty())
            QCOMPARE(readBytes(stream.path()), QByteArray("first line\r\n"));
    }

    void theSaveLeavesAWholeScriptOrTheOldFile_data() {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<SaveOutcome>("outcome");
        // A name at the system's limit leaves no room for a temporary name
        // beside it, so those rows go the in-place way.
        QTest::newRow("beside, disk full") << 8 << 100LL << SaveOutcome::Unchanged;
        QTest::newRow("beside") << 8 << -1LL << SaveOutcome::Saved;
        QTest::newRow("in place, disk full") << 255 << 100LL << SaveOutcome::Unchanged;
        QTest::newRow("in place") << 255 << -1LL << SaveOutcome::Saved;
    }
    void theSaveLeavesAWholeScriptOrTheOldFile() {
        QFETCH(int, nameLength);
        QFETCH(qint64, limit);
        QFETCH(SaveOutcome, outcome);
        QTemporaryDir dir;
        const QString target = dir.filePath(QString(nameLength - 4, QLatin1Char('a')) + ".cfg");
        const QByteArray old("the player's old script\r\n");
        writeFile(target, old);
        const QByteArray script = stringResource(101).toLatin1();
        QString reason;
        QCOMPARE(saveScript(script, target, &reason, failingAfter(limit)), outcome);
        QCOMPARE(readBytes(target), outcome == SaveOutcome::Saved ? script : old);
        QCOMPARE(reason.isEmpty(), outcome == SaveOutcome::Saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void neverAnotherFileThroughCfgCfg_data() {
        QTest::addColumn<bool>("link");
        QTest::newRow("symbolic link") << true;
        QTest::newRow("another user's file") << false;
    }
    void neverAnotherFileThroughCfgCfg() {
        QFETCH(bool, link);
        const QString victim = tmp_.filePath(QStringLiteral("victim")),
                      cfg = TempConfigFile::path();
        writeFile(victim, "mine\r\n");
        QFile::remove(cfg);
        if (link)
            QVERIFY(QFile::link(victim, cfg));
        else if (!QFile::copy(victim, cfg) || ::chown(QFile::encodeName(cfg), 4242, 4242) != 0)
            QSKIP("only root can give a file away");
        ConfigStream stream;
        QCOMPARE(TempConfigFile::create(stream), TempConfigFile::Outcome::CreateFailed);
        QCOMPARE(readBytes(cfg), QByteArray("mine\r\n")); // through the link: the victim
        QFile::remove(cfg);
    }

    void thePrivateFolderIsARealFolderOfOurs() {
        const QString folder = tmp_.filePath(QStringLiteral("own"));
        QVERIFY(TempConfigFile::preparePrivateFolder(folder));
        QVERIFY(!(QFileInfo(folder).permissions() & 0x0077));
        QVERIFY(QFile::link(folder, tmp_.filePath(QStringLiteral("planted"))));
        QVERIFY(!TempConfigFile::preparePrivateFolder(tmp_.filePath(QStringLiteral("planted"))));
    }

    void aSecondCopyWaitsForNoKilledFirstOne() {
        const QByteArray firstRun("the first run's lines\r\n");
        writeFile(TempConfigFile::path(), firstRun);
        const QByteArray lock = QFile::encodeName(TempConfigFile::lockPath());
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t first = ::fork();
        if (first == 0) { // the first copy: holds the lock until killed
            ::flock(::open(lock.constData(), O_RDWR | O_CREAT, 0600), LOCK_EX);
            (void)!::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        char byte;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        QVERIFY(!startProgram(config, dialogs, sound, {}, 0));
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("уже запущена")));
        QVERIFY(dialogs.asked[0].text.contains(TempConfigFile::path()));
        QCOMPARE(readBytes(TempConfigFile::path()), firstRun);
        ::kill(first, SIGKILL);
        ::waitpid(first, nullptr, 0);
        QVERIFY(startProgram(config, dialogs, sound, {}, 0));
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    void aFailedWriteDuringARunIsToldAndEndsTheRun() {
        ConfigStream config(failingAfter(goldenBytes(QStringLiteral("preamble_only.cfg")).size()));
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QVERIFY(menu.load(nullptr));
        QSignalSpy failed(&menu, &MainMenu::writeFailed);
        config.writeLine(QStringLiteral("gamma \"3\""));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].text.contains(TempConfigFile::path()));
        QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("остались")));
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }
};

QTEST_MAIN(TestSaveFail)
#include "tst_savefail.moc"
