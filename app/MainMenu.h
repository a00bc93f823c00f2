#pragma once

#include "app/MenuTable.h"
#include "platform/GameFolderSearch.h"

#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QPushButton;

namespace quelmar {

class ConfigStream;
class Dialogs;
class FlameView;
class MenuEntry;
class OpenedScript;
class SoundCue;

// Creates the window(s) of a page, in the order they are to be shown; an
// empty list leaves the menu as it is.
using PageFactory = std::function<QList<QWidget*>(MenuPage page, const Services& services,
                                                  const PageStarts& starts)>;

// Form4, the main menu: opens every page, takes it back, saves the script.
class MainMenu : public QWidget {
    Q_OBJECT
  public:
    MainMenu(ConfigStream& config, Dialogs& dialogs, SoundCue& sound, PageFactory pages,
             QWidget* parent = nullptr);
    ~MainMenu() override;

    // The menu's load: creates the temporary script with its preamble and
    // arms Timer2. Returns false, with a reason that names the file, when the
    // temporary script cannot be created or another running copy writes it.
    bool load(QString* error);

    // Starts the one look-up of the game's folder for this run (the program
    // starts the real one once the menu is on screen); the Save As dialog
    // opens there.
    void startGameFolderLookup(GameFolderLookup::Search search,
                               std::chrono::milliseconds deadline = std::chrono::seconds(2));

    // Starts the pages not yet opened from a script the player has (file,
    // read from path) and tells the player what became of it. Only one
    // script per run: false, with a word to the player, for a second.
    bool openScript(const QByteArray& file, const QString& path);
    // The same for a script read from path; a file that cannot be read is
    // reported and changes nothing.
    bool openScriptFile(const QString& path);
    const OpenedScript* openedScript() const { return opened_.get(); }
    // The script started from the game's own config.cfg and so carries the
    // player's binds: the offer to run it at every start defaults to "Да".
    void setStartedFromGameConfig(bool started) { startedFromGameConfig_ = started; }

    MenuEntry* entry(const QString& name) const;
    FlameView* flame() const { return flame_; }

    // A page of entry has closed: the entry is disabled and the menu shows
    // itself again.
    void ReturnToMainMenu(const QString& entry);

  signals:
    // The menu has been closed, by its close button or by a save: the
    // program ends.
    void unloaded();
    // Command9 was pressed: the background flame starts.
    void flameStarted();
    // A line did not reach the temporary script; the player has been told.
    // The program ends with status 1.
    void writeFailed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void openPage(const MenuPageEntry& place);
    void save();
    QString chooseDestination(const QString& gameFolder);
    void offerHook(const QString& saved, const QString& gameFolder);
    void reportWriteFailure();
    void showAbout();
    void showOpenedReport();

    ConfigStream& config_;
    Dialogs& dialogs_;
    SoundCue& sound_;
    PageFactory pages_;
    QList<MenuEntry*> entries_;
    FlameView* flame_ = nullptr;
    QPushButton* command9_ = nullptr;
    std::unique_ptr<GameFolderLookup> gameFolder_;
    std::unique_ptr<OpenedScript> opened_;
    bool reportDue_ = false;
    QTimer timer2_;
    bool unloaded_ = false;
    bool writeFailed_ = false;
    bool startedFromGameConfig_ = false;
};

} // namespace quelmar
