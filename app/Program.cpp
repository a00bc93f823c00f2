#include "app/Program.h"

#include "app/MenuTable.h"
#include "app/OpenMessages.h"
#include "app/Session.h"
#include "app/SplashWindow.h"
#include "app/StartMessages.h"
#include "app/WaiT.h"
#include "config/ConfigStream.h"
#include "config/StringResources.h"
#include "platform/Console.h"
#include "platform/GameFolderSearch.h"
#include "platform/SoundCue.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

namespace quelmar {

namespace {

// Starts the game's folder lookup, a second run of this program, once the
// menu has been painted: the start of the program itself waits for nothing
// of it.
class LookupOncePainted : public QObject {
  public:
    explicit LookupOncePainted(MainMenu& menu) : QObject(&menu), menu_(menu) {
        menu.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            menu_.removeEventFilter(this);
            QTimer::singleShot(0, &menu_, [&menu = menu_] {
                menu.session().startGameFolderLookup(GameFolderLookup::gameFolderSearch());
            });
            deleteLater();
        }
        return false;
    }

  private:
    MainMenu& menu_;
};

} // namespace

std::unique_ptr<MainMenu> startProgram(ConfigStream& config, Dialogs& dialogs, SoundCue& sound,
                                       PageFactory pages, double splashSeconds) {
    // Without its fixed texts every script would come out wrong.
    if (const QStringList missing = missingStringResources(); !missing.isEmpty()) {
        dialogs.message(nullptr, damagedProgramText(missing), applicationTitle());
        return nullptr;
    }
    // The splash is ours to delete, never deleted by its own close: the
    // player may close it (Alt+F4, the window manager) during the wait.
    SplashWindow splash;
    splash.show();
    WaiT waiT1;
    waiT1.setObjectName(QStringLiteral("WaiT1"));
    waiT1.wait(splashSeconds);

    auto menu = std::make_unique<MainMenu>(config, dialogs, sound, std::move(pages));
    QString error;
    if (!menu->load(&error)) {
        splash.close();
        dialogs.message(nullptr, error, applicationTitle());
        return nullptr;
    }
    new LookupOncePainted(*menu);
    // The splash's going shows the menu; one already gone shows it now.
    if (splash.isVisible()) {
        QObject::connect(&splash, &SplashWindow::unloaded, menu.get(), &QWidget::show);
        splash.close();
    } else {
        menu->show();
    }
    return menu;
}

int runProgram(QApplication& app, const QString& script) {
    app.setQuitOnLastWindowClosed(false);

    // Program-wide: they live until the program ends.
    ConfigStream config;
    QtDialogs dialogs;
    const std::unique_ptr<SoundCue> sound = makeSoundCue();

    QByteArray file;
    if (!script.isEmpty()) {
        if (const FileError error = OpenedScript::read(script, file)) {
            if (isTerminal(stderr)) {
                const auto device = consoleDevice(stderr);
                QTextStream(device.get()) << openFailureLine(script, error);
            }
            dialogs.message(nullptr, openFailureText(script, error, true), applicationTitle());
            return 2;
        }
    }
    const auto menu = startProgram(config, dialogs, *sound, &openProgramPage);
    if (!menu)
        return 1;
    if (!script.isEmpty())
        menu->session().openScript(file, script);
    QObject::connect(menu.get(), &MainMenu::unloaded, &app, [&app] { app.exit(0); });
    QObject::connect(menu.get(), &MainMenu::writeFailed, &app, [&app] { app.exit(1); });
    return app.exec();
}

} // namespace quelmar
