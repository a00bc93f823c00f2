#include "app/Program.h"

#include "app/PageCatalog.h"
#include "app/SplashWindow.h"
#include "app/WaiT.h"
#include "config/ConfigStream.h"
#include "platform/QtDialogs.h"
#include "platform/SoundCue.h"

#include <QApplication>

namespace quelmar {

std::unique_ptr<MainMenu> startProgram(ConfigStream& config, Dialogs& dialogs, SoundCue& sound,
                                       PageFactory pages, double splashSeconds) {
    auto* splash = new SplashWindow;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    WaiT waiT1;
    waiT1.setObjectName(QStringLiteral("WaiT1"));
    waiT1.wait(splashSeconds);

    auto menu = std::make_unique<MainMenu>(config, dialogs, sound, std::move(pages));
    QString error;
    if (!menu->load(&error)) {
        splash->close();
        dialogs.message(nullptr, error, applicationTitle());
        return nullptr;
    }
    QObject::connect(splash, &SplashWindow::unloaded, menu.get(), &QWidget::show);
    splash->close();
    return menu;
}

int runProgram(QApplication& app) {
    app.setQuitOnLastWindowClosed(false);

    // Program-wide: they live until the program ends.
    ConfigStream config;
    QtDialogs dialogs;
    const std::unique_ptr<SoundCue> sound = makeSoundCue();

    const auto menu = startProgram(config, dialogs, *sound, &openProgramPage);
    if (!menu)
        return 1;
    QObject::connect(menu.get(), &MainMenu::unloaded, &app, [&app] { app.exit(0); });
    QObject::connect(menu.get(), &MainMenu::writeFailed, &app, [&app] { app.exit(1); });
    return app.exec();
}

} // namespace quelmar
