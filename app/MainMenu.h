#pragma once

#include "platform/MainMenuLink.h"
#include "platform/MenuPages.h"
#include "platform/Services.h"

#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPushButton;

namespace quelmar {

class ConfigStream;
class Dialogs;
class FlameView;
class MenuEntry;
class SoundCue;

// Creates the window(s) of a page, in the order they are to be shown; an
// empty list leaves the menu as it is.
using PageFactory = std::function<QList<QWidget*>(MenuPage page, Services& services)>;

// Form4, the main menu: opens every page, takes it back, saves the script.
class MainMenu : public QWidget, public MainMenuLink {
    Q_OBJECT
  public:
    MainMenu(ConfigStream& config, Dialogs& dialogs, SoundCue& sound, PageFactory pages,
             QWidget* parent = nullptr);
    ~MainMenu() override;

    // The menu's load: creates the temporary script with its preamble and
    // arms Timer2. Returns false, with a reason that names the file, when the
    // temporary script cannot be created or another running copy writes it.
    bool load(QString* error);

    MenuEntry* entry(const QString& name) const;
    FlameView* flame() const { return flame_; }

    void ReturnToMainMenu(const QString& entry) override;

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
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void openPage(MenuPage page);
    void save();
    void reportWriteFailure();
    void showAbout();

    ConfigStream& config_;
    Services services_;
    PageFactory pages_;
    QList<MenuEntry*> entries_;
    FlameView* flame_ = nullptr;
    QPushButton* command9_ = nullptr;
    QTimer timer2_;
    bool unloaded_ = false;
    bool writeFailed_ = false;
};

} // namespace quelmar
