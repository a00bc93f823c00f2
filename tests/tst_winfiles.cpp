// The Windows seams themselves, run under Wine: the file rules (one
// running copy, a target another program holds open, paths that only
// the wide-character calls reach, a full disk, which reparse points are
// links) and a game found through the uninstall entries of a sandbox.
#include "config/ConfigStream.h"
#include "config/FileKind_windows.h"
#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"
#include "platform/GameFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

using namespace quelmar;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool isHidden(const QString& path) {
    const DWORD attributes = ::GetFileAttributesW(path.toStdWString().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

// How another program (the game, a virus scanner) may hold the file.
HANDLE holdOpen(const QString& path, DWORD share) {
    return ::CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, share,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

class TestWinFiles : public QObject {
    Q_OBJECT

  private slots:
    // A second copy is refused while the first runs, in a folder whose name
    // the ANSI code page cannot spell, and starts once the first has ended.
    void oneRunningCopyInACyrillicFolder() {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("Вася ☺"));
        QVERIFY(QDir().mkpath(folder));
        const ScriptPlaces places{folder, false, {}};
        {
            ConfigStream first;
            const auto created = TempConfigFile::create(first, places);
            QCOMPARE(created.outcome, TempConfigFile::Outcome::Created);
            first.writeLine(QStringLiteral("bind \"w\" \"+forward\""));
            ConfigStream second;
            const auto refused = TempConfigFile::create(second, places);
            QCOMPARE(refused.outcome, TempConfigFile::Outcome::AlreadyRunning);
            QVERIFY(contentOf(created.path).endsWith("bind \"w\" \"+forward\"\r\n"));
            // Our lock is hidden as its dot hides it on Linux; the script is not.
            QVERIFY(isHidden(folder + QStringLiteral("/.cfg.cfg.lock")));
            QVERIFY(!isHidden(created.path));
        }
        ConfigStream again;
        QCOMPARE(TempConfigFile::create(again, places).outcome, TempConfigFile::Outcome::Created);
    }

    // The target held by another program: without delete sharing the
    // replace is refused and the file is rewritten in place where its
    // sharing lets us write; held with no sharing at all it stays as it
    // was and the save says it is busy.
    void targetHeldOpen_data() {
        QTest::addColumn<int>("share");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("problem");
        QTest::newRow("read and write shared") << int(FILE_SHARE_READ | FILE_SHARE_WRITE)
                                               << int(SaveOutcome::Saved) << int(FileProblem::None);
        QTest::newRow("delete shared too")
            << int(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)
            << int(SaveOutcome::Saved) << int(FileProblem::None);
        QTest::newRow("nothing shared")
            << 0 << int(SaveOutcome::Unchanged) << int(FileProblem::Busy);
    }
    void targetHeldOpen() {
        QFETCH(int, share);
        QFETCH(int, outcome);
        QFETCH(int, problem);
        QTemporaryDir tmp;
        const QString target = tmp.filePath(QStringLiteral("autoexec.cfg"));
        QVERIFY(writeFile(target, "old\r\n"));
        const HANDLE held = holdOpen(target, DWORD(share));
        QVERIFY(held != INVALID_HANDLE_VALUE);
        const SaveResult result = saveScript("new script\r\n", target);
        ::CloseHandle(held);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(int(result.error.problem), problem);
        QCOMPARE(contentOf(target), outcome == int(SaveOutcome::Saved)
                                        ? QByteArray("new script\r\n")
                                        : QByteArray("old\r\n"));
        // Nothing is left beside it.
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("autoexec.cfg")});
    }

    // The save's new copy is hidden while it is written beside the
    // player's script, and the script it becomes is not.
    void saveCopyHiddenUntilInPlace() {
        QTemporaryDir tmp;
        const QString target = tmp.filePath(QStringLiteral("userconfig.cfg"));
        bool copyHidden = false;
        FileCalls calls;
        calls.replace = [&](const QString& from, const QString& to) {
            copyHidden = isHidden(from);
            return replaceFile(from, to);
        };
        for (const char* script : {"first\r\n", "second\r\n"}) {
            QCOMPARE(saveScript(script, target, calls).outcome, SaveOutcome::Saved);
            QVERIFY(copyHidden && !isHidden(target));
        }
    }

    // A path far past the 260 characters of MAX_PATH, under a Cyrillic name.
    void longNonAsciiPath() {
        QTemporaryDir tmp;
        QString folder = tmp.path();
        for (int i = 0; folder.size() <= 300; ++i)
            folder += QStringLiteral("/Папка с длинным именем номер %1 для проверки").arg(i);
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + QStringLiteral("/конфиг.cfg");
        for (const QByteArray& script : {QByteArray("first\r\n"), QByteArray("second\r\n")}) {
            const SaveResult result = saveScript(script, target);
            QCOMPARE(result.outcome, SaveOutcome::Saved);
            QCOMPARE(contentOf(target), script);
        }
    }

    // A save that does not fit: the target keeps every byte it had and the
    // save says the disk is full. The folder is the small disk that
    // small_disk.sh mounts for the run of this case alone.
    void fullDestination() {
        const QString folder = qEnvironmentVariable("QUELMAR_SMALL_DISK");
        if (folder.isEmpty())
            QSKIP("runs as tst_winfiles_full_disk, on a small disk mounted for it");
        const QString target = QDir(folder).filePath(QStringLiteral("autoexec.cfg"));
        const QByteArray old = QByteArray("bind \"w\" \"+forward\"\r\n").repeated(400);
        QVERIFY(writeFile(target, old));
        const SaveResult result = saveScript(QByteArray(128 * 1024, 'x'), target);
        QCOMPARE(int(result.outcome), int(SaveOutcome::Unchanged));
        QCOMPARE(int(result.error.problem), int(FileProblem::NoSpace));
        QCOMPARE(contentOf(target), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("autoexec.cfg")});
    }

    // Only name surrogates lead elsewhere (Wine makes none of these tags).
    void reparsePointKinds() {
        const auto check = [](DWORD attributes, std::initializer_list<DWORD> tags, FileKind kind) {
            for (DWORD tag : tags)
                QVERIFY2(kindOf(attributes, tag) == kind, qPrintable(QString::number(tag, 16)));
        };
        const DWORD file = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT,
                    dir = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
        const auto links = {DWORD(0), IO_REPARSE_TAG_SYMLINK, IO_REPARSE_TAG_MOUNT_POINT,
                            DWORD(0xA000001D), DWORD(0xA0001234)};
        check(file, links, FileKind::SymbolicLink);
        check(dir, links, FileKind::SymbolicLink);
        const auto filtered = {IO_REPARSE_TAG_CLOUD,       IO_REPARSE_TAG_CLOUD_3,
                               IO_REPARSE_TAG_CLOUD_F,     IO_REPARSE_TAG_ONEDRIVE,
                               IO_REPARSE_TAG_DEDUP,       IO_REPARSE_TAG_WOF,
                               IO_REPARSE_TAG_APPEXECLINK, DWORD(0x80001234)};
        check(file, filtered, FileKind::Regular);
        check(dir, filtered, FileKind::Folder);
        check(file, {IO_REPARSE_TAG_AF_UNIX, 0x80000024}, FileKind::Other);
    }

    // A game installed by its own installer, known only by its uninstall
    // entry; Counter-Strike: Source has a "cstrike" folder too, but no
    // hl.exe beside it.
    void installedOutsideSteam() {
        QTemporaryDir tmp;
        const QString source = tmp.filePath(QStringLiteral("Source"));
        const QString game = tmp.filePath(QStringLiteral("Игры/CS 1.6"));
        QVERIFY(QDir().mkpath(source + "/cstrike") && writeFile(source + "/hl2.exe", "MZ"));
        QVERIFY(QDir().mkpath(game + "/cstrike") && writeFile(game + "/hl.exe", "MZ"));
        const std::wstring uninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
        const std::wstring sourceKey = uninstall + L"Steam App 240",
                           gameKey = uninstall + L"{5E1B2C4D-7A0F-4D1E-9C3B-QUELMAR}_is1";
        const test::RegistrySandbox registry;
        QVERIFY(registry.set(sourceKey, L"DisplayName", "Counter-Strike: Source") &&
                registry.set(sourceKey, L"InstallLocation", source) &&
                registry.set(gameKey, L"DisplayName", "Counter-Strike 1.6") &&
                registry.set(gameKey, L"UninstallString", '"' + game + "/unins000.exe\""));
        const QList<InstalledProgram> programs = installedPrograms();
        QCOMPARE(programs.size(), 2);
        const QString found = findGameFolder({}, programs);
        QVERIFY2(QDir(found) == QDir(game + "/cstrike"), qPrintable(found));
    }
};

QTEST_GUILESS_MAIN(TestWinFiles)
#include "tst_winfiles.moc"
