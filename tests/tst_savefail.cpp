// Real failures of the script file and the save, with the real thing on
// disk: nothing written may be lost, nothing else may be written into, and
// a save killed mid-way is undone at the next start.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "app/SaveMessages.h"
#include "app/StartMessages.h"
#include "config/AccessList.h"
#include "config/InputFile.h"
#include "config/ProblemText.h"
#include "config/RewriteRecord.h"
#include "config/SaveCopy.h"
#include "config/StringResources.h"
#include "config/TempConfigFile.h"
#include "platform/Console.h"
#include "tests/support/Golden.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Puts at name: the old file ("file", with the player's old bytes), the
// same marked read-only, a file one byte past the input limit, a folder,
// or nothing ("").
bool plant(const QString& thing, const QString& name) {
    QFile f(name);
    if (thing == "folder")
        return QDir().mkdir(name);
    if (thing == "past the limit")
        return f.open(QIODevice::WriteOnly) && f.resize(kInputLimit + 1);
    return thing.isEmpty() ||
           (f.open(QIODevice::WriteOnly) && f.write("the player's old script\r\n") > 0 &&
            (thing == "file" || f.setPermissions(QFile::ReadOwner | QFile::ReadGroup)));
}

struct SaveCase {
    const char* name;
    int nameLength;
    const char* there; // what stands at the destination before
    qint64 okBytes;    // past the script's own size; none: -1
    bool recovers;
    FileProblem refusal, problem; // the rename's, the save's
    SaveOutcome outcome;
};
constexpr auto kNone = FileProblem::None, kBusy = FileProblem::Busy,
               kReadOnly = FileProblem::ReadOnlyFile, kFull = FileProblem::NoSpace;
const SaveCase kSaves[] = {
    {"beside, disk full", 8, "file", -400, false, kNone, kFull, SaveOutcome::Unchanged},
    {"beside", 8, "file", -1, false, kNone, kNone, SaveOutcome::Saved},
    {"255-byte new name", 255, "", -1, false, kNone, kNone, SaveOutcome::Saved},
    {"255-byte name", 255, "file", -1, false, kNone, kNone, SaveOutcome::Saved},
    {"refused, no old file", 8, "", -1, false, kBusy, kBusy, SaveOutcome::Unchanged},
    {"refused: in place", 8, "file", -1, false, kBusy, kNone, SaveOutcome::Saved},
    {"refused, in place fails once: put back", 8, "file", 10, true, kBusy, kFull,
     SaveOutcome::Unchanged},
    {"refused, disk dies in place: damaged", 8, "file", 10, false, kBusy, kFull,
     SaveOutcome::Damaged},
    {"refused, past the limit: not in place", 8, "past the limit", -1, false, kBusy,
     FileProblem::PastLimit, SaveOutcome::Unchanged},
    {"a folder there", 8, "folder", -1, false, kNone, FileProblem::Folder, SaveOutcome::Unchanged},
    {"marked read-only", 8, "read-only", -1, false, kNone, kReadOnly, SaveOutcome::Unchanged},
    {"refused as read-only: not in place", 8, "file", -1, false, kReadOnly, kReadOnly,
     SaveOutcome::Unchanged},
};

bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray newScript(int size) {
    return QByteArray("echo new\r\n").repeated(size / 10);
}

// Says "!" and waits to be killed; should the test end first, its input
// ends, and so does this.
[[noreturn]] void stopHere() {
    std::fputs("!", stdout);
    std::fflush(stdout);
    std::getchar();
    std::_Exit(1);
}

// The save a test kills, in a process of its own: it rewrites target in
// place (the folder refuses the file beside it) and stops once killAt bytes
// have reached the file (-1: at the check after the last).
int saveUntilKilled(const QString& target, int size, qint64 killAt) {
    FileCalls calls = brokenDisk(-1, false, FileProblem::Busy);
    calls.write = [&](File& f, QByteArrayView bytes, qint64& written) {
        const bool ours = f.path() == target && killAt >= 0;
        const FileError error =
            f.writeSome(ours ? bytes.first(qMin(killAt, bytes.size())) : bytes, written);
        if (ours && (killAt -= written) == 0)
            stopHere();
        return error;
    };
    calls.read = [](const File&, QByteArray&) -> FileError { stopHere(); };
    saveScript(newScript(size), target, calls);
    return 1;
}

} // namespace

class TestSaveFail : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> tmp_, state_;
    std::unique_ptr<TempFolderAs> tempFolder_;

    QString at(const QString& name) const { return tmp_->filePath(name); }
    QStringList entries() const {
        return QDir(tmp_->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

  private slots:
    void init() {
        // A fresh folder per row, beside the others rather than inside the last.
        static const QString base = QDir::tempPath() + "/savefail-XXXXXX";
        tmp_ = std::make_unique<QTemporaryDir>(base);
        tempFolder_.reset(); // first, or it would put back the last row's folder
        tempFolder_ = std::make_unique<TempFolderAs>(tmp_->path());
        state_ = std::make_unique<QTemporaryDir>(base);
        const QByteArray state = QDir::toNativeSeparators(state_->path()).toLocal8Bit();
        QVERIFY(qputenv("XDG_STATE_HOME", state) && qputenv("LOCALAPPDATA", state));
    }

    // Whole, untouched, or (only when the old bytes cannot go back) damaged;
    // a folder stays what it is; nothing left beside.
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
        const QByteArray old = readBytes(target),
                         script = stringResource(StringResource::Preamble).toLatin1();
        const qint64 ok = c.okBytes == -1 ? -1 : script.size() + c.okBytes;
        const SaveResult result = saveScript(script, target, brokenDisk(ok, c.recovers, c.refusal));
        QCOMPARE(result.outcome, c.outcome);
        QCOMPARE(result.error.problem, c.problem);
        if (c.outcome != SaveOutcome::Saved)
            QCOMPARE(statusAt(target).kind, before.kind);
        if (c.outcome == SaveOutcome::Damaged)
            QVERIFY(readBytes(target) != old && readBytes(target) != script);
        else
            QCOMPARE(readBytes(target), c.outcome == SaveOutcome::Saved ? script : old);
        // Nothing beside it; the old content kept for the next start only
        // when it could not go back now.
        QCOMPARE(entries().size(), int(QFileInfo::exists(target)));
        QCOMPARE(QDir(stateFolder()).entryList(QDir::Files).size(),
                 int(c.outcome == SaveOutcome::Damaged));
        if (result.error) {
            const QString text = saveFailureText(target, result, QFile::exists(target));
            QVERIFY(text.contains(QDir::toNativeSeparators(target)) &&
                    inOurWords(problemText(result.error)));
            QCOMPARE(text.contains("повреждён"), c.outcome == SaveOutcome::Damaged);
            QCOMPARE(text.contains("только для чтения") && text.contains("остался таким"),
                     c.problem == kReadOnly);
        }
        if (QByteArray(c.there) == "read-only") // so that the folder can go
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A record of a rewrite cut short, made under a relative name and taken
    // up by a start from another folder. Only a record private to the player,
    // in a state folder private to the player, puts anything back, and only
    // onto the very file, not through a link; one that cannot be used is set
    // aside once, never removed; one whose file's folder is gone waits for it.
    void aRecordIsUsedOnlyWhenItCanBeTrusted_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<FileProblem>("problem"); // of a record set aside
        QTest::newRow("none") << "" << kNone;
        QTest::newRow("state folder open to others") << "folder" << FileProblem::Untrusted;
        QTest::newRow("record open to others") << "record" << FileProblem::Untrusted;
        QTest::newRow("record past the limit") << "large" << FileProblem::PastLimit;
        QTest::newRow("record damaged") << "damaged" << FileProblem::Damaged;
        QTest::newRow("file's folder unplugged") << "unplugged" << kNone;
        QTest::newRow("file's folder now a link") << "linked" << kNone;
    }
    void aRecordIsUsedOnlyWhenItCanBeTrusted() {
        QFETCH(QString, fault);
        QFETCH(FileProblem, problem);
        const QString target = at("stick/target.cfg"), was = QDir::currentPath();
        const QByteArray old(300, 'o'), script(300, 'n'), torn = script.left(99) + old.mid(99);
        QFile file(target);
        QVERIFY(QDir().mkdir(at("stick")) && file.open(QIODevice::ReadWrite) && file.write(old));
        QVERIFY(QDir::setCurrent(at("stick")));
        {
            RewriteRecord record;
            QVERIFY(!record.keep("target.cfg", statusAt(target).id, old, script));
            record.leave();
        }
        QVERIFY(QDir::setCurrent(was) && file.seek(0) && file.write(torn) && file.flush());
        file.close();
        const QStringList records = QDir(stateFolder()).entryList(QDir::Files);
        QCOMPARE(records.size(), 1);
        QFile record(QDir(stateFolder()).filePath(records[0]));
        QVERIFY(fault != "large" || record.resize(2 * kInputLimit + (64 << 10) + 1));
        QVERIFY(fault != "damaged" || (record.open(QIODevice::Append) && record.write("x")));
        record.close();
        if (fault == "unplugged" || fault == "linked")
            QVERIFY(QDir().rename(at("stick"), at("stick2")));
        if (fault == "linked" &&
            !(QFile::link(at("stick2"), at("stick")) && QFileInfo(at("stick")).isSymLink()))
            QSKIP("no symbolic links here");
        FileCalls calls;
        calls.status = [&](const QString& path, FileStatus& status) {
            const FileError error = statusOf(path, status);
            const bool isRecord = QFileInfo(path).fileName() == records[0];
            status.privateToUser &= !(fault == (isRecord ? "record" : "folder"));
            return error;
        };
        const QList<PutBack> told = putBackUnfinishedRewrites(calls);
        const bool setAside = problem != kNone, putBack = fault.isEmpty();
        QCOMPARE(told.size(), int(setAside || putBack));
        QCOMPARE(QDir(stateFolder()).entryList(QDir::Files),
                 setAside               ? QStringList{"unusable-" + records[0]}
                 : fault == "unplugged" ? records
                                        : QStringList());
        const bool moved = fault == "unplugged" || fault == "linked";
        QCOMPARE(readBytes(moved ? at("stick2/target.cfg") : target), putBack ? old : torn);
        if (!told.isEmpty()) {
            QCOMPARE(told[0].error.problem, problem);
            QCOMPARE(told[0].setAside, setAside);
            QCOMPARE(told[0].path, setAside ? QDir(stateFolder()).filePath("unusable-" + records[0])
                                            : QFileInfo(target).canonicalFilePath());
            QVERIFY(putBackText(told).contains(QDir::toNativeSeparators(told[0].path)));
        }
        // Plugged in again, the file gets its old content back.
        if (fault == "unplugged")
            QVERIFY(QDir().rename(at("stick2"), at("stick")) &&
                    putBackUnfinishedRewrites(calls).size() == 1 && readBytes(target) == old);
        QVERIFY(putBackUnfinishedRewrites(calls).isEmpty());
    }

    // A save rewriting in place is killed mid-way; a start while it runs
    // touches nothing; the next start puts the old content back where the
    // file is left a mix of both, and says so. since: how the player saved
    // the file before that start: in place, anew (the very mix, yet another
    // file), or in place a part of the old content or nothing.
    void aSaveKilledInPlaceIsPutBackAtTheNextStart_data() {
        QTest::addColumn<int>("size");   // of the new script; the old one has 3000 bytes
        QTest::addColumn<int>("killAt"); // bytes written; -1: at the check after the last
        QTest::addColumn<bool>("putBack");
        QTest::addColumn<QString>("since");
        QTest::newRow("shorter, nothing written") << 1000 << 0 << false << "";
        QTest::newRow("shorter, part written") << 1000 << 600 << true << "";
        QTest::newRow("shorter, the end not cut yet") << 1000 << 1000 << true << "";
        QTest::newRow("longer, nothing written") << 5000 << 0 << true << "";
        QTest::newRow("longer, part written") << 5000 << 4000 << true << "";
        QTest::newRow("complete") << 1000 << -1 << false << "";
        QTest::newRow("then saved in place") << 1000 << 600 << false << "in place";
        QTest::newRow("then saved anew") << 1000 << 600 << false << "anew";
        QTest::newRow("then cut short") << 1000 << 600 << false << "shortened";
        QTest::newRow("then emptied") << 1000 << 600 << false << "emptied";
    }
    void aSaveKilledInPlaceIsPutBackAtTheNextStart() {
        QFETCH(int, size);
        QFETCH(int, killAt);
        QFETCH(bool, putBack);
        QFETCH(QString, since);
        const QString target = at("autoexec.cfg");
        const QByteArray old = QByteArray("old line\r\n").repeated(300);
        QVERIFY(put(target, old));
        QProcess save;
        save.start(QCoreApplication::applicationFilePath(),
                   {"--killed-save", target, QString::number(size), QString::number(killAt)});
        // Stopped where it is to be killed, its record locked.
        QVERIFY(save.waitForReadyRead(-1) && save.read(1) == "!");
        const QByteArray during = readBytes(target);
        QVERIFY(putBackUnfinishedRewrites().isEmpty());
        QCOMPARE(readBytes(target), during);
        save.kill();
        QVERIFY(save.waitForFinished(-1));
        const QByteArray mine = since == "anew"        ? during
                                : since == "shortened" ? old.left(1500)
                                : since == "emptied"   ? QByteArray()
                                                       : QByteArray(size, 'x');
        QVERIFY(since.isEmpty() || put(since == "anew" ? at("saved") : target, mine));
        QVERIFY(since != "anew" || !replaceFile(at("saved"), target));

        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QVERIFY(menu.load(nullptr));
        QCOMPARE(readBytes(target), !since.isEmpty() ? mine : killAt < 0 ? newScript(size) : old);
        QCOMPARE(dialogs.asked.size(), int(putBack));
        if (putBack)
            QVERIFY(dialogs.asked[0].text.contains(QDir::toNativeSeparators(target)) &&
                    dialogs.asked[0].text.contains("возвращено"));
        QVERIFY(
            QDir(stateFolder()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // Windows' "private to the player", from the owner and the access list:
    // %LOCALAPPDATA% as Windows makes it is; a write any stranger is allowed,
    // a missing list or a stranger as owner is not. Denials are not counted on.
    void whetherAnAccessListIsPrivate() {
        using T = Trustee;
        const AccessEntry machine{true, false, T::Machine, 0x1F01FF},
            user{true, false, T::User, 0x1F01FF};
        const auto other = [](quint32 mask, bool inheritOnly = false, bool allow = true) {
            return AccessEntry{allow, inheritOnly, T::Other, mask};
        };
        const std::tuple<const char*, T, bool, QList<AccessEntry>, bool> rows[] = {
            {"LOCALAPPDATA", T::User, true, {machine, user}, true},
            {"made by an elevated run", T::Machine, true, {machine, user}, true},
            {"another user's", T::Other, true, {machine, user}, false},
            {"no list", T::User, false, {}, false},
            {"Everyone reads", T::User, true, {user, other(0x1200A9)}, true},
            {"Users add files", T::User, true, {user, other(0x2)}, false},
            {"Everyone GENERIC_ALL", T::User, true, {user, other(0x10000000)}, false},
            {"a stranger may change the list", T::User, true, {other(0x40000)}, false},
            {"strangers only inside", T::User, true, {user, other(0x1F01FF, true)}, true},
            {"a denial first", T::User, true, {other(0x2, false, false), other(0x2)}, false},
        };
        for (const auto& [name, owner, hasList, entries, isPrivate] : rows)
            QVERIFY2(isPrivateToUser(owner, hasList, entries) == isPrivate, name);
    }

    // What killed saves left beside the target goes with the next save: only
    // our own names, older than any running save, that no save holds.
    void leftoversOfKilledSavesGo() {
        const QStringList kept = {".quelmar-held", ".quelmar-new", ".quelmar-old.cfg",
                                  ".quelmarold", "autoexec.cfg"};
        for (const QString& name : kept + QStringList{".quelmar-gone", ".quelmar-z9"}) {
            QFile f(at(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("bind") == 4 && f.flush());
            QVERIFY(name == ".quelmar-new" ||
                    f.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                                  QFileDevice::FileModificationTime));
        }
        File held;
        QVERIFY(!File::open(at(".quelmar-held"), held) && !held.tryLock());
        QCOMPARE(saveScript("bind\r\n", at("autoexec.cfg")).outcome, SaveOutcome::Saved);
        QCOMPARE(entries(), kept);
    }

    // A line cut by a full disk is taken back; the player is told once, in
    // our words, naming the file, and the run ends. A script that cannot be
    // read back at save makes no file; the player is told, the menu stays.
    void aFailedWriteOrReadOfTheScriptIsTold() {
        FileCalls calls = brokenDisk(goldenBytes("preamble_only.cfg").size() + 3);
        calls.read = [](const File& file, QByteArray&) {
            return FileError::found(FileStep::Read, file.path(), FileProblem::Busy);
        };
        ConfigStream config(calls);
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QVERIFY(menu.load(nullptr));
        QSignalSpy unloaded(&menu, &MainMenu::unloaded), failed(&menu, &MainMenu::writeFailed);
        dialogs.answerSaveAs(at("autoexec.cfg"));
        QTest::mouseClick(menu.entry("Command3"), Qt::LeftButton);
        QVERIFY(unloaded.isEmpty() && sound.played.isEmpty() && !QFile::exists(at("autoexec.cfg")));
        config.writeLine(QStringLiteral("gamma \"3\""));
        config.writeLine(QStringLiteral("brightness \"1\""));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(dialogs.asked.size(), 3);
        const QString script = QDir::toNativeSeparators(TempConfigFile::path());
        for (const QString& part : {script, QString("занят"), QString("Файл не создан")})
            QVERIFY2(dialogs.asked[1].text.contains(part), qPrintable(dialogs.asked[1].text));
        for (const QString& part : {script, QString("не хватает места"), QString("остались")})
            QVERIFY(dialogs.asked[2].text.contains(part));
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }
};

int main(int argc, char** argv) {
    if (const QStringList a = programArguments(argc, argv); a.value(1) == "--killed-save")
        return saveUntilKilled(a.value(2), a.value(3).toInt(), a.value(4).toInt());
    QApplication app(argc, argv);
    TestSaveFail test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savefail.moc"
