// Real failures of the script file and the save, with the real thing on
// disk: nothing written may be lost, nothing else may be written into.
#include "app/FailureMessages.h"
#include "app/MainMenu.h"
#include "app/Program.h"
#include "check/ScriptTools.h"
#include "config/SaveCopy.h"
#include "config/StringResources.h"
#include "config/TempConfigFile.h"
#include "platform/Console.h"
#include "tests/support/Golden.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// A disk whose writes fail after okBytes (none: never); one that recovers
// fails a single write and then takes everything again.
FileCalls brokenDisk(qint64 okBytes, bool recovers = false, bool refusesRename = false) {
    FileCalls calls;
    if (refusesRename)
        calls.replace = [](const QString&, const QString& to) {
            return FileError::system(FileStep::Replace, to, EBUSY);
        };
    auto left = std::make_shared<qint64>(okBytes);
    calls.write = [left, recovers](File& file, QByteArrayView bytes, qint64& written) {
        written = 0;
        if (*left == 0) {
            *left = recovers ? -1 : 0;
            return FileError::system(FileStep::Write, file.path(), ENOSPC);
        }
        const FileError error =
            file.writeSome(*left < 0 ? bytes : bytes.first(std::min(*left, bytes.size())), written);
        *left -= *left > 0 ? written : 0;
        return error;
    };
    return calls;
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

FileStatus statusAt(const QString& path) {
    FileStatus status;
    statusOf(path, status);
    return status;
}

// Puts at name: the old file ("file", with old's bytes), a hard or symbolic
// link to it, a FIFO, the null device, a folder, or nothing ("").
bool plant(const QString& thing, const QString& name, const QString& old = {}) {
    if (thing == "file") {
        QFile f(name);
        return f.open(QIODevice::WriteOnly) && f.write("the player's old script\r\n") > 0;
    }
    if (thing == "symbolic link")
        return QFile::link(old, name);
    if (thing == "FIFO")
        return ::mkfifo(native(name), 0600) == 0;
    if (thing == "device")
        return ::mknod(native(name), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (thing == "folder")
        return QDir().mkdir(name);
    return thing.isEmpty() || ::link(native(old), native(name)) == 0;
}

// Our words, never the C library's English.
bool inOurWords(const QString& text) {
    return !text.isEmpty() && !text.contains(QRegularExpression("[A-Za-z]"));
}

struct SaveCase {
    const char* name;
    int nameLength;
    const char* there; // what stands at the destination before
    qint64 okBytes;    // past the script's own size; none: -1
    bool recovers, refusesRename;
    SaveOutcome outcome;
};
const SaveCase kSaves[] = {
    {"beside, disk full", 8, "file", -400, false, false, SaveOutcome::Unchanged},
    {"beside", 8, "file", -1, false, false, SaveOutcome::Saved},
    {"255-byte new name", 255, "", -1, false, false, SaveOutcome::Saved},
    {"255-byte name", 255, "file", -1, false, false, SaveOutcome::Saved},
    {"refused, no old file", 8, "", -1, false, true, SaveOutcome::Unchanged},
    {"refused: in place", 8, "file", -1, false, true, SaveOutcome::Saved},
    {"refused, in place fails once: put back", 8, "file", 10, true, true, SaveOutcome::Unchanged},
    {"refused, disk dies in place: damaged", 8, "file", 10, false, true, SaveOutcome::Damaged},
    {"a FIFO there", 8, "FIFO", -1, false, false, SaveOutcome::Unchanged},
    {"a folder there", 8, "folder", -1, false, false, SaveOutcome::Unchanged},
};

} // namespace

class TestSaveFail : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> tmp_;

    QString at(const QString& name) const { return tmp_->filePath(name); }

  private slots:
    void init() {
        // A fresh folder per row, beside the others rather than inside the last.
        static const QString base = QDir::tempPath() + "/savefail-XXXXXX";
        tmp_ = std::make_unique<QTemporaryDir>(base);
        qputenv("TMPDIR", tmp_->path().toLocal8Bit());
    }

    // Whole, untouched, or (only when the old bytes cannot go back) damaged;
    // whatever is not a regular file stays what it is; nothing left beside.
    void theSaveLeavesAWholeScriptOrTheOldFile_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kSaves)); ++i)
            QTest::newRow(kSaves[i].name) << i;
    }
    void theSaveLeavesAWholeScriptOrTheOldFile() {
        QFETCH(int, row);
        const SaveCase& c = kSaves[row];
        const QString target = at(QString(c.nameLength - 4, QLatin1Char('a')) + ".cfg");
        QVERIFY(plant(c.there, target));
        const FileStatus before = statusAt(target);
        const bool fifo = before.kind == FileKind::Other; // reading it would wait for a writer
        const QByteArray old = fifo ? "" : readBytes(target),
                         script = stringResource(StringResource::Preamble).toLatin1();
        const qint64 ok = c.okBytes == -1 ? -1 : script.size() + c.okBytes;
        const SaveResult result =
            saveScript(script, target, brokenDisk(ok, c.recovers, c.refusesRename));
        QCOMPARE(result.outcome, c.outcome);
        QCOMPARE(bool(result.error), c.outcome != SaveOutcome::Saved);
        if (c.outcome != SaveOutcome::Saved)
            QCOMPARE(statusAt(target).kind, before.kind);
        if (c.outcome == SaveOutcome::Damaged)
            QVERIFY(readBytes(target) != old && readBytes(target) != script);
        else if (!fifo)
            QCOMPARE(readBytes(target), c.outcome == SaveOutcome::Saved ? script : old);
        QCOMPARE(
            QDir(tmp_->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .size(),
            int(QFileInfo::exists(target)));
        if (result.error) {
            const QString text = saveFailureText(target, result, QFile::exists(target));
            QVERIFY(text.contains(target) && inOurWords(problemText(result.error)));
            QCOMPARE(text.contains("повреждён"), c.outcome == SaveOutcome::Damaged);
        }
    }

    // Whatever stands at cfg.cfg or at its lock is replaced by a fresh file
    // of our own, never opened, cut or written; where it may not be replaced
    // the message names that file.
    void whateverStandsAtCfgCfgIsReplacedNeverWritten_data() {
        QTest::addColumn<bool>("atLock");
        QTest::addColumn<QString>("thing");
        for (const bool lock : {false, true}) {
            for (const char* thing :
                 {"hard link", "another user's file", "symbolic link", "FIFO", "device", "folder"})
                QTest::addRow("%s at %s", thing, lock ? "the lock" : "cfg.cfg") << lock << thing;
        }
    }
    void whateverStandsAtCfgCfgIsReplacedNeverWritten() {
        QFETCH(bool, atLock);
        QFETCH(QString, thing);
        const QString victim = at("victim.cfg");
        const QString name = atLock ? TempConfigFile::lockPath() : TempConfigFile::path();
        QVERIFY(plant("file", victim));
        const QByteArray mine = readBytes(victim);
        if (thing == "another user's file" && ::chown(native(victim), 4242, 4242) != 0)
            QSKIP("only root can give a file away");
        if (!plant(thing, name, victim) && thing == "device")
            QSKIP("only root can make a device");
        QVERIFY(statusAt(name).kind != FileKind::Missing);

        ConfigStream stream;
        const TempConfigFile::Result result = TempConfigFile::create(stream);
        QCOMPARE(readBytes(victim), mine);
        QCOMPARE(statusAt(victim).links, 1u);
        if (thing == "folder") {
            QCOMPARE(result.outcome, TempConfigFile::Outcome::CreateFailed);
            QCOMPARE(result.error.path, name);
            const QString text = startFailureText(result);
            QVERIFY2(text.contains(name) && text.contains("папка"), qPrintable(text));
            QCOMPARE(statusAt(name).kind, FileKind::Folder);
            return;
        }
        QCOMPARE(result.outcome, TempConfigFile::Outcome::Created);
        const FileStatus fresh = statusAt(name);
        QVERIFY(fresh.kind == FileKind::Regular && fresh.ours && fresh.links == 1);
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    // Copy A runs. Copy B is refused by the lock file alone (a shared lock
    // would let it in), then, with the lock file deleted, by A's locked
    // script; with both deleted it starts on a fresh file of its own, and
    // each copy keeps exactly its own session. A copy that ended (as after
    // kill -9, the system drops its locks) blocks nobody.
    void aSecondCopyNeverWritesTheFirstOnesFile() {
        const QString script = TempConfigFile::path(), lock = TempConfigFile::lockPath();
        auto a = std::make_unique<ConfigStream>();
        QCOMPARE(TempConfigFile::create(*a).outcome, TempConfigFile::Outcome::Created);
        QVERIFY(QFile::remove(script));
        ConfigStream b;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        QVERIFY(!startProgram(b, dialogs, sound, {}, 0));
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].text.contains("уже запущена") &&
                dialogs.asked[0].text.contains(script));
        QVERIFY(!QFile::exists(script));

        a = std::make_unique<ConfigStream>();
        QCOMPARE(TempConfigFile::create(*a).outcome, TempConfigFile::Outcome::Created);
        a->writeLine("a's line");
        const QByteArray session = readBytes(script);
        QVERIFY(QFile::remove(lock));
        QCOMPARE(TempConfigFile::create(b).outcome, TempConfigFile::Outcome::AlreadyRunning);
        QCOMPARE(readBytes(script), session);

        QVERIFY(QFile::remove(lock) && QFile::remove(script));
        QCOMPARE(TempConfigFile::create(b).outcome, TempConfigFile::Outcome::Created);
        a->writeLine("a's second line");
        QByteArray saved;
        QVERIFY(!a->readWritten(saved));
        QCOMPARE(saved, session + "a's second line\r\n");
        QVERIFY(!a->isAtPath());
        QUELMAR_COMPARE_GOLDEN(readBytes(script), "preamble_only.cfg");
    }

    // Another user's folder, or a link, at the usual private folder's name:
    // the script goes to the fallback folder, which is said once.
    void aTakenPrivateFolderGivesWayToTheFallback() {
        const ScriptPlaces places{at("quelmar-1001"), true, at("run/quelmar")};
        QVERIFY(QDir().mkdir(at("elsewhere")));
        for (const bool link : {false, true}) {
            QDir(places.folder).removeRecursively();
            if (link)
                QVERIFY(QFile::link(at("elsewhere"), places.folder));
            else if (!QDir().mkdir(places.folder) || ::chmod(native(places.folder), 0777) != 0 ||
                     ::chown(native(places.folder), 4242, 4242) != 0)
                QSKIP("only root can give a folder away");
            ConfigStream stream;
            const TempConfigFile::Result result = TempConfigFile::create(stream, places);
            QCOMPARE(result.outcome, TempConfigFile::Outcome::Created);
            QCOMPARE(result.path, at("run/quelmar/cfg.cfg"));
            QCOMPARE(TempConfigFile::path(places), result.path);
            QCOMPARE(result.toldOfFallback, !link);
            const QString told = fallbackFolderText(result);
            QVERIFY(told.contains(places.folder) && told.contains(places.fallback));
            QVERIFY(QDir(places.folder)
                        .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
            QVERIFY(!(QFileInfo(places.fallback).permissions() & 0x0077));
        }
        // The fallback is the session's own runtime folder, where it has one.
        QVERIFY(QDir().mkdir(at("xdg")) && ::chmod(native(at("xdg")), 0700) == 0);
        qunsetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", native(at("xdg")));
        QCOMPARE(scriptPlaces().fallback, at("xdg/quelmar"));
        QCOMPARE(scriptPlaces().folder, QStringLiteral("/tmp/quelmar-%1").arg(::geteuid()));
    }

    // A line cut by a full disk, or by the file-size limit (ulimit -f), is
    // taken back; the player is told once, in our words, naming the file and
    // the reason, and the run ends.
    void aFailedWriteDuringARunIsToldAndEndsTheRun_data() {
        QTest::addColumn<bool>("sizeLimit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << false << "не хватает места";
        QTest::newRow("file-size limit") << true << "предела размера файлов";
    }
    void aFailedWriteDuringARunIsToldAndEndsTheRun() {
        QFETCH(bool, sizeLimit);
        const qint64 cut = goldenBytes("preamble_only.cfg").size() + 3;
        ConfigStream config(sizeLimit ? FileCalls{} : brokenDisk(cut));
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QVERIFY(menu.load(nullptr));
        QSignalSpy failed(&menu, &MainMenu::writeFailed);
        letOversizedWritesFail(); // as the program does first thing
        struct SizeLimit {
            rlimit old{};
            explicit SizeLimit(rlim_t size) {
                getrlimit(RLIMIT_FSIZE, &old);
                const rlimit limit{std::min(size, old.rlim_cur), old.rlim_max};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
        } limit(sizeLimit ? rlim_t(cut) : RLIM_INFINITY);
        config.writeLine(QStringLiteral("gamma \"3\""));
        config.writeLine(QStringLiteral("brightness \"1\""));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(dialogs.asked.size(), 1);
        QFETCH(QString, reason);
        for (const QString& part : {TempConfigFile::path(), reason, QString("остались")})
            QVERIFY(dialogs.asked[0].text.contains(part));
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    // The check streams what it reads: 256 MiB of holes between two lines
    // cost it no more memory than a small script.
    void theCheckReadsInBoundedMemory() {
        QFile file(at("big.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("bind F1 ak47\n") &&
                file.resize(256 << 20) && file.seek(256 << 20) && file.write("bind F2 m4a1\n"));
        file.close();
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        QCOMPARE(checkScripts({file.fileName()}, outStream, errStream), 1);
        getrusage(RUSAGE_SELF, &after);
        QVERIFY2(
            after.ru_maxrss - before.ru_maxrss < 32 * 1024,
            qPrintable(QString("peak grew by %1 KiB").arg(after.ru_maxrss - before.ru_maxrss)));
        QVERIFY(out.endsWith("big.cfg:2: error: a NUL byte: the console stops reading the file "
                             "here, and nothing after it runs\n"));
    }

    // The common system reasons in our own words; the system's only for the rest.
    void systemReasonsInOurWords() {
        for (const int code :
             {ENOSPC, EDQUOT, EFBIG, EACCES, EROFS, ENAMETOOLONG, ELOOP, ESPIPE, EBUSY})
            QVERIFY(inOurWords(problemText(FileError::system(FileStep::Write, "f", code))));
        QVERIFY(
            problemText(FileError::system(FileStep::Write, "f", EIO)).contains(systemText(EIO)));
    }
};

QTEST_MAIN(TestSaveFail)
#include "tst_savefail.moc"
