#include "app/MainMenu.h"

#include "app/FailureMessages.h"
#include "app/FlameView.h"
#include "app/MenuEntry.h"
#include "app/OpenedScript.h"
#include "check/GameHook.h"
#include "check/SaveKeyOffer.h"
#include "config/ConfigStream.h"
#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"
#include "platform/Console.h"
#include "platform/GameFolderSearch.h"
#include "platform/SoundCue.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

namespace quelmar {

namespace {

// A label that keeps every press to itself, so that a right press on the
// heading does not count as a press on the menu's background.
class PlainLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

MainMenu::MainMenu(ConfigStream& config, Dialogs& dialogs, SoundCue& sound, PageFactory pages,
                   QWidget* parent)
    : QWidget(parent), config_(config), dialogs_(dialogs), sound_(sound), pages_(std::move(pages)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Quelmar"));
    // A title bar with a close button only: no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(203, 299);
    setAcceptDrops(true);
    look::paintBlack(this);
    look::centreOnScreen(this);
    buildControls();
}

MainMenu::~MainMenu() = default;

void MainMenu::buildControls() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(16, 8, 177, 233);
    frame->setFrameShape(QFrame::NoFrame);

    auto* heading = new PlainLabel(tr("Настройки:"), frame);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(16, 0, 107, 27);
    heading->setFont(look::comicFont(14.25, true));
    look::setColors(heading, look::kRed, look::kBlack);

    for (const MenuPageEntry& place : menuPageEntries()) {
        auto* entry = new MenuEntry(QString::fromLatin1(place.entry),
                                    QCoreApplication::translate("MenuTable", place.caption),
                                    place.geometry, look::kListBlue, 12, false, frame);
        connect(entry, &MenuEntry::clicked, this, [this, &place] { openPage(place); });
        entries_.append(entry);
    }

    auto* save = new MenuEntry(QStringLiteral("Command3"), tr("Сохранить"), QRect(16, 208, 96, 27),
                               look::kRed, 14.25, true, frame);
    connect(save, &MenuEntry::clicked, this, &MainMenu::save);
    entries_.append(save);

    flame_ = new FlameView(this);
    flame_->setObjectName(QStringLiteral("Picture1"));
    flame_->setGeometry(0, 248, 207, 57);

    // Out of sight beyond the right edge: only Timer2 ever presses it.
    command9_ = new QPushButton(QStringLiteral("Command9"), this);
    command9_->setObjectName(QStringLiteral("Command9"));
    command9_->setGeometry(256, 16, 17, 17);
    command9_->setFocusPolicy(Qt::NoFocus);
    connect(command9_, &QPushButton::clicked, this, [this] {
        flame_->start();
        emit flameStarted();
    });

    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(1);
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, [this] {
        timer2_.stop();
        command9_->click();
    });
}

bool MainMenu::load(QString* error) {
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
    flame_->seed();
    timer2_.start();
    return true;
}

void MainMenu::startGameFolderLookup(GameFolderLookup::Search search,
                                     std::chrono::milliseconds deadline) {
    gameFolder_ = std::make_unique<GameFolderLookup>(std::move(search), deadline);
}

MenuEntry* MainMenu::entry(const QString& name) const {
    for (MenuEntry* e : entries_) {
        if (e->objectName() == name)
            return e;
    }
    return nullptr;
}

void MainMenu::openPage(const MenuPageEntry& place) {
    const Services services{
        config_, dialogs_, sound_,
        [this, entry = QString::fromLatin1(place.entry)] { ReturnToMainMenu(entry); }};
    static const PageStarts defaults;
    const QList<QWidget*> windows =
        pages_ ? pages_(place.page, services, opened_ ? opened_->starts() : defaults)
               : QList<QWidget*>{};
    if (windows.isEmpty())
        return;
    for (QWidget* window : windows)
        window->show();
    hide();
    sound_.play(Cue::PageOpened);
}

void MainMenu::ReturnToMainMenu(const QString& entryName) {
    if (MenuEntry* e = entry(entryName))
        e->setEnabled(false);
    if (!writeFailed_) // the program is ending; no menu to come back to
        show();
}

// The Save As dialog, until the player chooses a name or cancels (empty).
// The game rewrites its config.cfg at every exit, so a script saved there
// would be gone by the next start: "Да" saves it as userconfig.cfg, which the
// game runs and never writes, and "Нет" goes back to the dialog.
QString MainMenu::chooseDestination(const QString& gameFolder) {
    // Without the game's folder, the player's documents: the program's own
    // folder is the system's place once installed, and no place for scripts.
    QString start = gameFolder.isEmpty() ? documentsFolder() : gameFolder;
    while (true) {
        const QString chosen = dialogs_.saveAs(this, QStringLiteral("(*.cfg)"), start);
        const QFileInfo named(chosen);
        if (chosen.isEmpty() || !isNamed(named.fileName(), kGameConfig) ||
            !isGameFolder(named.path(), gameFolder))
            return chosen;
        start = named.path();
        if (!dialogs_.ask(this, gameConfigQuestionText(), applicationTitle()))
            continue;
        const QString instead = QDir(start).filePath(QLatin1StringView(kUserConfig));
        // The care the dialog gives any file it would replace.
        if (!QFileInfo::exists(instead) ||
            dialogs_.ask(this, replaceUserConfigText(instead), applicationTitle()))
            return instead;
    }
}

void MainMenu::save() {
    const QString gameFolder = gameFolder_ ? gameFolder_->folder() : QString();
    const QString destination = chooseDestination(gameFolder);
    if (destination.isEmpty())
        return;
    // Read through our own open file: it holds exactly this session, even
    // when its name has been taken by someone else meanwhile.
    QByteArray script;
    // Key names the console would turn down are offered in its own spelling.
    const auto ask = [this](const QString& question) {
        return dialogs_.ask(this, question, applicationTitle());
    };
    SaveResult saved{SaveOutcome::Unchanged, config_.readWritten(script)};
    if (opened_ && !saved.error)
        script = opened_->assemble(script, config_.sections());
    if (!saved.error)
        saved = saveScript(SaveKeyOffer::scriptToSave(script, ask), destination);
    if (saved.outcome != SaveOutcome::Saved) {
        // Ending now would throw the whole session away: say what happened
        // and stay, so the player can choose another place.
        dialogs_.message(this, saveFailureText(destination, saved, QFileInfo::exists(destination)),
                         applicationTitle());
        return;
    }
    sound_.play(Cue::ScriptSaved);
    offerHook(destination, gameFolder);
    close();
}

// Asked once, after a save into the game's folder under a name the game
// does not run by itself. The script unbinds every key it does not bind, so
// "Да" is the default only for a script that carries the player's own binds.
void MainMenu::offerHook(const QString& saved, const QString& gameFolder) {
    const QFileInfo file(saved);
    const QString name = file.fileName();
    if (isGameOwnScript(name) || !isGameFolder(file.path(), gameFolder))
        return;
    if (const ExecNameProblem problem = execNameProblem(name); problem != ExecNameProblem::None) {
        dialogs_.message(this, unrunnableNameText(name, problem), applicationTitle());
        return;
    }
    if (runsGameScripts(file.path(), name)) {
        dialogs_.message(this, hookLoopText(name), applicationTitle());
        return;
    }
    if (!dialogs_.ask(this, hookQuestionText(name), applicationTitle(), startedFromGameConfig_))
        return;
    const HookResult result = installHook(file.path(), name);
    const QString told =
        hookOutcomeText(QDir(file.path()).filePath(QLatin1StringView(kUserConfig)), name, result);
    if (!told.isEmpty())
        dialogs_.message(this, told, applicationTitle());
}

void MainMenu::reportWriteFailure() {
    if (writeFailed_)
        return;
    writeFailed_ = true;
    dialogs_.message(nullptr, writeFailureText(config_.error(), config_.isAtPath()),
                     applicationTitle());
    hide();
    emit writeFailed();
}

void MainMenu::showAbout() {
    dialogs_.message(this, QStringLiteral("    Made by Vorel"), QString());
    sound_.play(Cue::AboutClosed);
}

bool MainMenu::openScript(const QByteArray& file, const QString& path) {
    if (opened_) {
        dialogs_.message(this, secondScriptText(opened_->fileName()), applicationTitle());
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
    if (isVisible())
        showOpenedReport();
    return true;
}

bool MainMenu::openScriptFile(const QString& path) {
    if (opened_)
        return openScript({}, path); // says no
    QByteArray file;
    if (const FileError error = OpenedScript::read(path, file)) {
        dialogs_.message(this, openFailureText(path, error, false), applicationTitle());
        return false;
    }
    return openScript(file, path);
}

void MainMenu::showOpenedReport() {
    if (!reportDue_ || !opened_)
        return;
    reportDue_ = false;
    dialogs_.message(this, openedReportText(opened_->fileName(), opened_->report()),
                     applicationTitle());
}

void MainMenu::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A script given at start is reported once the menu stands on screen.
    if (reportDue_)
        QTimer::singleShot(0, this, &MainMenu::showOpenedReport);
}

void MainMenu::dragEnterEvent(QDragEnterEvent* event) {
    // Anything may come; what is not a script gets a word when dropped.
    event->acceptProposedAction();
}

void MainMenu::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    const QString path = urls.size() == 1 ? urls.first().toLocalFile() : QString();
    if (opened_ || (!path.isEmpty() && path.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive)))
        openScriptFile(path);
    else
        dialogs_.message(this, notAScriptText(), applicationTitle());
}

void MainMenu::mousePressEvent(QMouseEvent* event) {
    // Presses on the background and on Frame1 end up here; entries, the
    // heading and the flame keep theirs.
    event->accept();
    if (event->button() == Qt::RightButton)
        showAbout();
}

void MainMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_ || writeFailed_)
        return;
    unloaded_ = true;
    emit unloaded();
}

} // namespace quelmar
