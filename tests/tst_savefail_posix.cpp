// The save and the script file where only POSIX reaches: FIFOs, devices,
// owners and modes, another user's folder.
#include "app/MainMenu.h"
#include "app/Program.h"
#include "app/StartMessages.h"
#include "check/ScriptTools.h"
#include "config/ProblemText.h"
#include "config/RewriteRecord.h"
#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"
#include "platform/Console.h"
#include "tests/support/Golden.h"

#include <QtTest>

#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace quelmar;
using namespace quelmar::test;

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Puts at name: the old file ("file", with old's bytes), a copy of it that
// another user owns, a hard or symbolic link to it, a FIFO, the null device,
// a folder, or nothing ("").
bool plant(const QString& thing, const QString& name, const QString& old = {}) {
    if (thing == "file") {
        QFile f(name);
        return f.open(QIODevice::WriteOnly) && f.write("the player's old script\r\n") > 0;
    }
    if (thing == "another user's file")
        return QFile::copy(old, name) && ::chown(native(name), 4242, 4242) == 0;
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

} // namespace

class TestSaveFailPosix : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> tmp_;

    QString at(const QString& name) const { return tmp_->filePath(name); }

  private slots:
    void init() {
        static const QString base = QDir::tempPath() + "/savefail-XXXXXX";
        tmp_ = std::make_unique<QTemporaryDir>(base);
        qputenv("TMPDIR", tmp_->path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", at("state").toLocal8Bit());
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
        if (!plant(thing, name, victim) && (thing == "device" || thing.contains("user")))
            QSKIP("only root can make a device or give a file away");
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
        // A fallback that cannot be made says why: a file stands in its way.
        QVERIFY(plant("file", at("home")));
        ConfigStream stream;
        const auto result = TempConfigFile::create(stream, {places.folder, true, at("home/.c/q")});
        QCOMPARE(result.error.path, at("home/.c"));
        QVERIFY(startFailureText(result).contains("на месте папки стоит файл"));
        // Nor is a temporary folder the player named a folder when it is a file.
        qputenv("TMPDIR", "/dev/null");
        const QString text = startFailureText(TempConfigFile::create(stream));
        QVERIFY2(text.contains("/dev/null") && text.contains("TMPDIR называет не папку"),
                 qPrintable(text));
    }

    // A script to open is read only from a regular file, through a link or
    // not; a FIFO with no writer, a device or a folder is refused at once,
    // never waited on, and the drop on the menu says why.
    void onlyARegularFileOpensAsAScript_data() {
        QTest::addColumn<QString>("thing");
        QTest::addColumn<QString>("target"); // of a link
        QTest::addColumn<QString>("told");   // in the message; empty: it opens
        const char* rows[][4] = {
            {"file", "file", "", ""},
            {"link to a file", "symbolic link", "old.cfg", ""},
            {"FIFO", "FIFO", "", "канал"},
            {"link to a FIFO", "symbolic link", "fifo", "канал"},
            {"link to a device", "symbolic link", "/dev/null", "канал"},
            {"folder", "folder", "", "папка"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2])
                                  << QString::fromUtf8(row[3]);
    }
    void onlyARegularFileOpensAsAScript() {
        QFETCH(QString, thing);
        QFETCH(QString, target);
        QFETCH(QString, told);
        QVERIFY(plant("file", at("old.cfg")) && plant("FIFO", at("fifo")));
        const QString name = at("opened.cfg");
        QVERIFY(plant(thing, name, target.startsWith('/') ? target : at(target)));
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QCOMPARE(menu.session().openScriptFile(name), told.isEmpty());
        QCOMPARE(dialogs.asked.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() ||
                (dialogs.asked[0].text.contains(name) && dialogs.asked[0].text.contains(told)));
    }

    // A new file gets what any new file of the player's gets (0666 less the
    // umask); one that was there keeps its own mode; a FIFO is no file to
    // save over.
    void theSavedFilesModeAndAFifo() {
        const mode_t was = ::umask(0);
        for (const auto& [mask, mode] : {std::pair{027u, 0640u}, {002u, 0664u}, {077u, 0604u}}) {
            ::umask(mask);
            QVERIFY(mask != 077 || ::chmod(native(at("new.cfg")), 0604) == 0);
            QCOMPARE(saveScript("bind\r\n", at("new.cfg")).outcome, SaveOutcome::Saved);
            QCOMPARE(statusAt(at("new.cfg")).mode, mode);
            QVERIFY(mask == 002 || QFile::remove(at("new.cfg")));
        }
        ::umask(was);
        QVERIFY(plant("FIFO", at("fifo")));
        QCOMPARE(saveScript("bind\r\n", at("fifo")).error.problem, FileProblem::NotRegular);
        QCOMPARE(
            QDir(tmp_->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"fifo"});
    }

    // A line cut by the file-size limit (ulimit -f) is taken back like one
    // cut by a full disk, never a death by SIGXFSZ; the player is told why.
    void aWriteOverTheFileSizeLimitIsTold() {
        const qint64 cut = goldenBytes("preamble_only.cfg").size() + 3;
        ConfigStream config;
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
        } limit{rlim_t(cut)};
        config.writeLine(QStringLiteral("gamma \"3\""));
        config.writeLine(QStringLiteral("brightness \"1\""));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(dialogs.asked.size(), 1);
        for (const QString& part :
             {TempConfigFile::path(), QString("предела размера файлов"), QString("остались")})
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

QTEST_MAIN(TestSaveFailPosix)
#include "tst_savefail_posix.moc"
