#pragma once

#include "app/MenuTable.h"
#include "app/Session.h"

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
class SoundCue;

// Creates the window(s) of a page, in the order they are to be shown; an
// empty list leaves the menu as it is.
using PageFactory = std::function<QList<QWidget*>(MenuPage page, const Services& services,
                                                  const PageStarts& starts)>;

// Form4, the main menu: shows the session, opens every page and takes it
// back, and saves the script.
class MainMenu : public QWidget {
    Q_OBJECT
  public:
    MainMenu(ConfigStream& config, Dialogs& dialogs, SoundCue& sound, PageFactory pages,
             QWidget* parent = nullptr);
    ~MainMenu() override;

    // The menu's load: the session's (false, with a reason that names the
    // file, when the temporary script cannot be created or another running
    // copy writes it), then Timer2 is armed.
    bool load(QString* error);

    // What the menu shows: the script being written, the one opened, the save.
    Session& session() { return session_; }

    MenuEntry* entry(const QString& name) const;
    FlameView* flame() const { return flame_; }

    // A page of entry has closed: the entry is disabled and the menu shows
    // itself again.
    void ReturnToMainMenu(const QString& entry);

    // Shows the key map, modal, over window (the menu, or a page whose
    // fields as they stand count as written).
    void showKeyMap(QWidget* over);
    static void dropStartsGivenSince(const KeyJobs& jobs, PageStarts& starts);

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
    void showAbout();

    ConfigStream& config_;
    Dialogs& dialogs_;
    SoundCue& sound_;
    Session session_;
    PageFactory pages_;
    QList<MenuEntry*> entries_;
    FlameView* flame_ = nullptr;
    QPushButton* command9_ = nullptr;
    QTimer timer2_;
    bool unloaded_ = false;
};

} // namespace quelmar
