#pragma once

#include "app/MenuTable.h"
#include "config/KeyJobs.h"
#include "platform/GameFolderSearch.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class QWidget;

namespace quelmar {

class ConfigStream;
class Dialogs;
class OpenedScript;
class SoundCue;

// One run of the program, without its windows: the script being written
// (its temporary file, the sections written so far), the script the player
// opened, where the game keeps its scripts, and the save. It talks to the
// player only through Dialogs; the main menu shows it.
class Session : public QObject {
    Q_OBJECT
  public:
    Session(ConfigStream& config, Dialogs& dialogs, SoundCue& sound);
    ~Session() override;

    // The window its dialogs stand over; none by default.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

    // Creates the temporary script with its preamble, puts back what an
    // earlier run left half-written. False, with a reason that names the file, when the temporary
    // script cannot be created or another running copy writes it.
    bool load(QString* error);

    // Starts the one look-up of the game's folder for this run (the program
    // starts the real one once the menu is on screen); the Save As dialog
    // opens there.
    void startGameFolderLookup(GameFolderLookup::Search search,
                               std::chrono::milliseconds deadline = std::chrono::seconds(2));

    // Starts the pages not yet written from a script the player has (file,
    // read from path). Only one script per run: false, with a word to the
    // player, for a second. The report is due (reportDue) until told.
    bool openScript(const QByteArray& file, const QString& path);
    // The same for a script read from path; a file that cannot be read is
    // reported and changes nothing.
    bool openScriptFile(const QString& path);
    // What was dropped on the menu: one .cfg file is opened, anything else
    // gets a word.
    void drop(const QList<QUrl>& urls);
    const OpenedScript* openedScript() const { return opened_.get(); }
    // The script started from the game's own config.cfg and so carries the
    // player's binds: the offer to run it at every start defaults to "Да".
    void setStartedFromGameConfig(bool started) { startedFromGameConfig_ = started; }

    // What each page starts from: the opened script's end state, or the
    // pages' own defaults.
    const PageStarts& pageStarts() const;

    // Tells the player what became of the opened script, once.
    void tellOpenedReport();
    bool isReportDue() const { return reportDue_; }

    // Asks where, and saves there the script as it stands. True once it is
    // saved (the program is done); false when the player cancelled or the
    // save failed (told), with everything kept for another try.
    bool save();

    // The script as a save would write it now, in pieces with where each
    // comes from: the preamble, the kept lines, the sections written so
    // far, and after them open, the section of a page still open as it
    // would write it closing now (unless that section is written already).
    QList<ScriptPiece> scriptPieces(const std::optional<SectionLines>& open = std::nullopt);
    // Every key's job in that script, the files its exec lines run included.
    KeyJobs keyJobs(const std::optional<SectionLines>& open = std::nullopt);

    // A line did not reach the temporary script: the player has been told.
    bool hasFailed() const { return writeFailed_; }

  signals:
    // A script has been opened; its report is due.
    void reportDue();
    // A line did not reach the temporary script; the player has been told.
    // The program ends with status 1.
    void writeFailed();

  private:
    QString chooseDestination(const QString& gameFolder);
    void offerHook(const QString& saved, const QString& gameFolder);
    void reportWriteFailure();
    void tellClashes();
    ConsoleModel::Files execFiles() const;

    ConfigStream& config_;
    Dialogs& dialogs_;
    SoundCue& sound_;
    QWidget* parent_ = nullptr;
    std::unique_ptr<GameFolderLookup> gameFolder_;
    std::unique_ptr<OpenedScript> opened_;
    bool reportDue_ = false;
    bool writeFailed_ = false;
    bool startedFromGameConfig_ = false;
};

} // namespace quelmar
