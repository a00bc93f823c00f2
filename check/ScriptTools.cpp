#include "check/ScriptTools.h"

#include "check/GameHook.h"
#include "check/KeyNameFix.h"
#include "check/ScriptCheck.h"
#include "check/ScriptStream.h"
#include "check/ScriptText.h"
#include "config/ConsoleKeys.h"
#include "config/ConsoleModel.h"
#include "config/InputFile.h"
#include "config/PathBytes.h"
#include "config/ProblemText.h"
#include "config/SaveCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace quelmar {

namespace {

QString reasonText(const FileError& error) {
    return problemText(error, Wording::english());
}

// The check streams a file, so its length costs time, not memory; a file
// longer than this is no script (and its line numbers would not fit).
constexpr qint64 kMaxChecked = qint64(1) << 30;
constexpr char kTooLongToCheck[] = "longer than 1 GiB, the most the check reads";

void tell(QTextStream& err, const QString& path, const char* what, const QString& reason) {
    err << terminalText(path) << ": " << what << ": " << reason << Qt::endl;
}

// Reads a file for the check, counting what it reads against kMaxChecked.
class FileSource final : public ScriptSource {
  public:
    explicit FileSource(InputFile& file) : file_(file) {}

    qint64 read(char* data, qint64 size) override {
        qint64 got = 0;
        if (const FileError error = file_.read(data, size, got)) {
            why_ = reasonText(error);
            return -1;
        }
        if ((read_ += got) <= kMaxChecked)
            return got;
        why_ = QString::fromLatin1(kTooLongToCheck);
        return -1;
    }
    bool rewind() override {
        read_ = 0;
        if (file_.rewind())
            return true;
        why_ = QStringLiteral("the file cannot be read a second time");
        return false;
    }
    const QString& why() const { return why_; }

  private:
    InputFile& file_;
    qint64 read_ = 0;
    QString why_;
};

// The reason for a file that could not be read whole: past the input
// limit, tooLarge with the limit for its %1.
QString readReason(const FileError& error, const char* tooLarge) {
    return error.problem == FileProblem::PastLimit
               ? QString::fromLatin1(tooLarge).arg(inputLimitText())
               : reasonText(error);
}

bool checkFile(ScriptCheck& check, const QString& path, const ScriptCheck::Sink& sink,
               QString& why) {
    InputFile file;
    if (const FileError error = InputFile::open(path, file, InputKind::Anything)) {
        why = reasonText(error);
        return false;
    }
    if (file.regularSize() > kMaxChecked) {
        why = QString::fromLatin1(kTooLongToCheck);
        return false;
    }
    if (file.rewind()) {
        FileSource source(file);
        const bool whole = check.run(source, sink);
        why = source.why();
        return whole;
    }
    // The check reads a script twice, and a pipe or a terminal gives its
    // bytes once. It is read from the file already open, since a pipe
    // cannot be opened twice either.
    QByteArray bytes;
    if (const FileError error = file.readRest(bytes)) {
        why = readReason(error, "longer than %1, the most the check takes from a pipe");
        return false;
    }
    MemorySource source(bytes);
    return check.run(source, sink);
}

// Why a save failed, and what it left of a file that was there.
QString failureText(const QString& path, const SaveResult& result, bool wasThere) {
    QString reason = reasonText(result.error);
    if (result.error.path != path)
        reason = terminalText(result.error.path) + QStringLiteral(": ") + reason;
    if (result.outcome == SaveOutcome::Damaged)
        reason += QStringLiteral("; the file may be damaged");
    else if (wasThere)
        reason += QStringLiteral("; the file is as it was");
    return reason;
}

// Writes the copy the way the program saves its script: beside the file and
// renamed into place, or rewritten in place with the old bytes put back on
// failure.
bool writeCopy(const QString& path, const QByteArray& bytes, QTextStream& err) {
    FileStatus there;
    statusOf(path, there);
    // Whether another user's link planted in a shared folder or the player's
    // own way into the game's folder: never written through, nor replaced
    // by a file behind the player's back.
    if (there.kind == FileKind::SymbolicLink) {
        tell(err, path, "not written",
             QStringLiteral("it is a symbolic link, which --fix-keys neither follows nor "
                            "replaces; name the file itself"));
        return false;
    }
    const SaveResult result = saveScript(bytes, path);
    if (result.outcome == SaveOutcome::Saved)
        return true;
    tell(err, path, "cannot write", failureText(path, result, there.kind == FileKind::Regular));
    return false;
}

} // namespace

int checkScripts(const QStringList& files, QTextStream& out, QTextStream& err) {
    bool unreadable = false;
    bool found = false;
    ScriptCheck check(ConsoleKeys::embedded());
    for (const QString& path : files) {
        const QString shown = terminalText(path);
        QString why;
        const bool whole = checkFile(
            check, path,
            [&](const Finding& finding) {
                out << finding.format(shown) << '\n';
                found = true;
            },
            why);
        out.flush();
        if (!whole) {
            tell(err, path, "cannot read", why);
            unreadable = true;
        }
    }
    // A report that never reached the terminal or file must not pass for one.
    if (out.status() != QTextStream::Ok) {
        err << "standard output: cannot write the findings" << Qt::endl;
        return 2;
    }
    return unreadable ? 2 : found ? 1 : 0;
}

int fixScriptKeys(const QString& input, const QString& output, QTextStream& err) {
    QByteArray script;
    if (const FileError error = readWholeFile(input, script, InputKind::Anything)) {
        tell(err, input, "cannot read",
             readReason(error, "larger than %1, the most --fix-keys copies"));
        return 2;
    }
    const KeyNameFix fix = KeyNameFix::apply(script, ConsoleKeys::embedded());
    if (!writeCopy(output, fix.script, err))
        return 2;
    for (const KeyNameChange& key : fix.unfixed)
        err << terminalText(input) << ':' << key.line << ": key \"" << shownText(key.name)
            << "\" has no console name; left as it is" << Qt::endl;
    return fix.unfixed.isEmpty() ? 0 : 1;
}

int listKeys(const QString& file, QTextStream& out, QTextStream& err) {
    QByteArray script;
    if (const FileError error = readWholeFile(file, script, InputKind::Anything)) {
        tell(err, file, "cannot read",
             readReason(error, "larger than %1, the most a script may be"));
        return 2;
    }
    ConsoleModel model(ConsoleModel::filesIn(QFileInfo(file).path()));
    model.run(script);
    const ConsoleKeys& keys = ConsoleKeys::embedded();
    QList<QByteArray> bound = model.binds().keys();
    std::sort(bound.begin(), bound.end(), [&](const QByteArray& a, const QByteArray& b) {
        const int ra = keys.rank(a), rb = keys.rank(b);
        return ra != rb ? ra < rb : a < b;
    });
    constexpr qsizetype kWhole = 1 << 20; // a command is shown whole
    bool twice = false;
    for (const QByteArray& key : bound) {
        const ConsoleEntry& bind = model.binds()[key];
        const bool unknown = ConsoleModel::isUnknownKey(key);
        out << shownText(unknown ? model.bytes(bind.name) : QByteArrayView(key), kWhole) << '\t'
            << shownText(model.bytes(bind.value), kWhole);
        QStringList replaced;
        for (const QByteArray& command : model.replaced(key))
            replaced << u'"' + shownText(command, kWhole) + u'"';
        if (!replaced.isEmpty())
            out << " (replaces: " << replaced.join(QStringLiteral(", ")) << ')';
        if (unknown)
            out << " (not working: the console knows no key of that name)";
        out << '\n';
        twice = twice || !replaced.isEmpty() || unknown;
    }
    out.flush();
    return twice ? 1 : 0;
}

int hookScript(const QString& name, const QString& folder, QTextStream& out, QTextStream& err) {
    const ExecNameProblem problem = execNameProblem(name);
    if (problem != ExecNameProblem::None || isGameOwnScript(name)) {
        tell(err, name, "cannot install",
             problem == ExecNameProblem::Path ? execNameText(problem, Wording::english()) +
                                                    QStringLiteral("; name the folder as FOLDER")
             : problem != ExecNameProblem::None ? execNameText(problem, Wording::english())
                                                : QStringLiteral("the game runs it by itself"));
        return 2;
    }
    const QFileInfo place(folder);
    if (!place.isDir()) {
        tell(err, folder, "cannot install",
             place.exists() ? QStringLiteral("not a folder") : QStringLiteral("no such folder"));
        return 2;
    }
    const QString path = QDir(folder).filePath(kUserConfig);
    const QString shown = QDir::toNativeSeparators(path);
    const bool wasThere = QFileInfo::exists(path);
    const HookResult result = installHook(folder, name);
    switch (result.outcome) {
    case HookResult::Outcome::AlreadyThere:
        out << terminalText(shown) << ": runs " << name << " already" << Qt::endl;
        break;
    case HookResult::Outcome::Added:
        out << terminalText(shown) << ": added " << execLine(name)
            << (result.replacedLink ? "; it was a symbolic link and is now a file of its own "
                                      "(the file it led to is as it was)"
                                    : "")
            << Qt::endl;
        break;
    case HookResult::Outcome::CutShort:
        tell(err, shown, "not written",
             QStringLiteral("the console would stop reading it before its end (it holds a NUL "
                            "byte, as a file saved as UTF-16 does, or is over %1); the file is "
                            "as it was")
                 .arg(inputLimitText()));
        return 1;
    case HookResult::Outcome::Failed:
        tell(err, shown, "cannot write", failureText(path, result.saved, wasThere));
        return 1;
    case HookResult::Outcome::Loop:
        tell(err, name, "cannot install",
             QStringLiteral("it runs config.cfg or userconfig.cfg itself (or through the files "
                            "it runs): run from userconfig.cfg, they would run each other for "
                            "ever; %1 is as it was")
                 .arg(shown));
        return 2;
    }
    // The game finds the script under its name in any case.
    bool unusable = false;
    if (!ConsoleModel::filesIn(folder)(name.toLatin1(), unusable) && !unusable)
        tell(err, QDir::toNativeSeparators(QDir(folder).filePath(name)), "note",
             QStringLiteral("not there yet; the game runs it once it is"));
    return 0;
}

} // namespace quelmar
