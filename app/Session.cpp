#include "app/Session.h"

#include "app/KeyJobWords.h"
#include "app/OpenMessages.h"
#include "app/OpenedScript.h"
#include "app/SaveMessages.h"
#include "app/StartMessages.h"
#include "check/GameHook.h"
#include "check/KeyNameFix.h"
#include "check/SaveKeyOffer.h"
#include "config/ConfigStream.h"
#include "config/ConsoleKeys.h"
#include "config/SaveCopy.h"
#include "config/ScriptCodePage.h"
#include "config/TempConfigFile.h"
#include "platform/Console.h"
#include "platform/SoundCue.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace quelmar {

Session::Session(ConfigStream& config, Dialogs& dialogs, SoundCue& sound)
    : config_(config), dialogs_(dialogs), sound_(sound) {}

Session::~Session() = default;

bool Session::load(QString* error) {
    const TempConfigFile::Result created = TempConfigFile::create(config_);
    if (created.outcome != TempConfigFile::Outcome::Created) {
        if (error)
            *error = startFailureText(created);
        return false;
    }
    if (created.toldOfFallback)
        dialogs_.message(nullptr, fallbackFolderText(created), applicationTitle());
    if (const QString text = putBackText(putBackUnfinishedRewrites()); !text.isEmpty())
        dialogs_.message(nullptr, text, applicationTitle());
    config_.setFailureHandler([this] { reportWriteFailure(); });
    return true;
}

void Session::startGameFolderLookup(GameFolderLookup::Search search,
                                    std::chrono::milliseconds deadline) {
    gameFolder_ = std::make_unique<GameFolderLookup>(std::move(search), deadline);
}

const PageStarts& Session::pageStarts() const {
    static const PageStarts defaults;
    return opened_ ? opened_->starts() : defaults;
}

// The Save As dialog, until the player chooses a name or cancels (empty).
// The game rewrites its config.cfg at every exit, so a script saved there
// would be gone by the next start: "Да" saves it as userconfig.cfg, which the
// game runs and never writes, and "Нет" goes back to the dialog.
QString Session::chooseDestination(const QString& gameFolder) {
    // Without the game's folder, the player's documents: the program's own
    // folder is the system's place once installed, and no place for scripts.
    QString start = gameFolder.isEmpty() ? documentsFolder() : gameFolder;
    while (true) {
        const QString chosen = dialogs_.saveAs(parent_, QStringLiteral("(*.cfg)"), start);
        const QFileInfo named(chosen);
        if (chosen.isEmpty() || !isNamed(named.fileName(), kGameConfig) ||
            !isGameFolder(named.path(), gameFolder))
            return chosen;
        start = named.path();
        if (!dialogs_.ask(parent_, gameConfigQuestionText(), applicationTitle()))
            continue;
        const QString instead = QDir(start).filePath(QLatin1StringView(kUserConfig));
        // The care the dialog gives any file it would replace.
        if (!QFileInfo::exists(instead) ||
            dialogs_.ask(parent_, replaceUserConfigText(instead), applicationTitle()))
            return instead;
    }
}

bool Session::save() {
    const QString gameFolder = gameFolder_ ? gameFolder_->folder() : QString();
    const QString destination = chooseDestination(gameFolder);
    if (destination.isEmpty())
        return false;
    // Read through our own open file: it holds exactly this session, even
    // when its name has been taken by someone else meanwhile.
    QByteArray script;
    // Key names the console would turn down are offered in its own spelling.
    const auto ask = [this](const QString& question) {
        return dialogs_.ask(parent_, question, applicationTitle());
    };
    SaveResult saved{SaveOutcome::Unchanged, config_.readWritten(script)};
    if (!saved.error)
        tellClashes();
    if (opened_ && !saved.error)
        script = opened_->assemble(script, config_.sections());
    if (!saved.error)
        saved = saveScript(SaveKeyOffer::scriptToSave(script, ask), destination);
    if (saved.outcome != SaveOutcome::Saved) {
        // Ending now would throw the whole session away: say what happened
        // and stay, so the player can choose another place.
        dialogs_.message(parent_,
                         saveFailureText(destination, saved, QFileInfo::exists(destination)),
                         applicationTitle());
        return false;
    }
    sound_.play(Cue::ScriptSaved);
    offerHook(destination, gameFolder);
    return true;
}

// Asked once, after a save into the game's folder under a name the game
// does not run by itself. The script unbinds every key it does not bind, so
// "Да" is the default only for a script that carries the player's own binds.
void Session::offerHook(const QString& saved, const QString& gameFolder) {
    const QFileInfo file(saved);
    const QString name = file.fileName();
    if (isGameOwnScript(name) || !isGameFolder(file.path(), gameFolder))
        return;
    if (const ExecNameProblem problem = execNameProblem(name); problem != ExecNameProblem::None) {
        dialogs_.message(parent_, unrunnableNameText(name, problem), applicationTitle());
        return;
    }
    if (runsGameScripts(file.path(), name)) {
        dialogs_.message(parent_, hookLoopText(name), applicationTitle());
        return;
    }
    if (!dialogs_.ask(parent_, hookQuestionText(name), applicationTitle(), startedFromGameConfig_))
        return;
    const HookResult result = installHook(file.path(), name);
    const QString told =
        hookOutcomeText(QDir(file.path()).filePath(QLatin1StringView(kUserConfig)), name, result);
    if (!told.isEmpty())
        dialogs_.message(parent_, told, applicationTitle());
}

void Session::reportWriteFailure() {
    if (writeFailed_)
        return;
    writeFailed_ = true;
    dialogs_.message(nullptr, writeFailureText(config_.error(), config_.isAtPath()),
                     applicationTitle());
    emit writeFailed();
}

QList<ScriptPiece> Session::scriptPieces(const std::optional<SectionLines>& open) {
    QByteArray written;
    QList<ConfigStream::SectionStart> sections = config_.sections();
    if (config_.readWritten(written))
        return {}; // nothing to go by; the save would say why
    if (open && !config_.hasSection(open->section)) {
        // As the page's close would write it.
        sections.append({open->section, written.size()});
        written += "\r\n" + toScriptCodePage(sectionHeader(open->section)) + "\r\n";
        for (const QString& line : open->lines)
            written += toScriptCodePage(line) + "\r\n";
    }
    if (opened_)
        return opened_->pieces(written, sections);
    QList<ScriptPiece> pieces;
    for (int i = -1; i < sections.size(); ++i) {
        const qsizetype begin = i < 0 ? 0 : qsizetype(sections[i].offset);
        const qsizetype end =
            i + 1 < sections.size() ? qsizetype(sections[i + 1].offset) : written.size();
        pieces.append({i < 0 ? KeyOrigin::Program : originOf(sections[i].section),
                       written.sliced(begin, end - begin)});
    }
    return pieces;
}

KeyJobs Session::keyJobs(const std::optional<SectionLines>& open) {
    return KeyJobs(scriptPieces(open), execFiles());
}

ConsoleModel::Files Session::execFiles() const {
    return opened_ ? ConsoleModel::filesIn(QFileInfo(opened_->fileName()).path())
                   : ConsoleModel::Files();
}

// One box before the key names are offered: every key the script gives
// more than one job, and which stands. The jobs are judged as if the names
// were spelled the console's way, so "Page Up" and "pgup" are one key.
void Session::tellClashes() {
    QList<ScriptPiece> pieces = scriptPieces();
    for (qsizetype i = 1; i < pieces.size(); ++i) // the preamble stays as it is
        pieces[i].bytes = KeyNameFix::apply(pieces[i].bytes, ConsoleKeys::embedded()).script;
    if (const QString text = clashesText(KeyJobs(pieces, execFiles())); !text.isEmpty())
        dialogs_.message(parent_, text, applicationTitle());
}

bool Session::openScript(const QByteArray& file, const QString& path) {
    if (opened_) {
        dialogs_.message(parent_, secondScriptText(opened_->fileName()), applicationTitle());
        return false;
    }
    // The pages already closed have written what the player chose there.
    QList<Section> closed;
    for (const ConfigStream::SectionStart& written : config_.sections())
        closed.append(written.section);
    // A long script takes a moment: the windows go on painting meanwhile,
    // and take no clicks or keys until it is open.
    opened_ = std::make_unique<OpenedScript>(
        file, path, closed, ConsoleModel::filesIn(QFileInfo(path).path()),
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    // The game's own config.cfg carries the player's binds: running the
    // saved script at every start then loses none.
    startedFromGameConfig_ = opened_->isGameConfig();
    if (isTerminal(stderr)) {
        const auto device = consoleDevice(stderr);
        QTextStream(device.get()) << openedReportLines(path, opened_->report());
    }
    reportDue_ = true;
    emit reportDue();
    return true;
}

bool Session::openScriptFile(const QString& path) {
    if (opened_)
        return openScript({}, path); // says no
    QByteArray file;
    if (const FileError error = OpenedScript::read(path, file)) {
        dialogs_.message(parent_, openFailureText(path, error, false), applicationTitle());
        return false;
    }
    return openScript(file, path);
}

void Session::drop(const QList<QUrl>& urls) {
    const QString path = urls.size() == 1 ? urls.first().toLocalFile() : QString();
    if (opened_ || (!path.isEmpty() && path.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive)))
        openScriptFile(path);
    else
        dialogs_.message(parent_, notAScriptText(), applicationTitle());
}

void Session::tellOpenedReport() {
    if (!reportDue_ || !opened_)
        return;
    reportDue_ = false;
    dialogs_.message(parent_, openedReportText(opened_->fileName(), opened_->report()),
                     applicationTitle());
}

} // namespace quelmar
