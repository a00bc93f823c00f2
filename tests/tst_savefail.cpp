// Real failures of the script file and the save, with the real thing on
// disk: nothing written may be lost, nothing else may be written into.
#include "app/FailureMessages.h"
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "config/SaveCopy.h"
#include "config/StringResources.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Puts at name: the old file ("file", with the player's old bytes), the
// same marked read-only, a folder, or nothing ("").
bool plant(const QString& thing, const QString& name) {
    QFile f(name);
    if (thing == "folder")
        return QDir().mkdir(name);
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
    {"a folder there", 8, "folder", -1, false, kNone, FileProblem::Folder, SaveOutcome::Unchanged},
    {"marked read-only", 8, "read-only", -1, false, kNone, kReadOnly, SaveOutcome::Unchanged},
    {"refused as read-only: not in place", 8, "file", -1, false, kReadOnly, kReadOnly,
     SaveOutcome::Unchanged},
};

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

QTEST_MAIN(TestSaveFail)
#include "tst_savefail.moc"
