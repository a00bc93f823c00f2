#include "app/CommandLine.h"
#include "app/ConsoleStart.h"
#include "app/Program.h"
#include "app/StartMessages.h"
#include "platform/Console.h"
#include "platform/GameFolderSearch.h"
#include "ui/Dialogs.h"
#include "ui/Language.h"
#include "ui/Look.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Run again by itself to look up the game's folder: that answer only,
    // with no window and no script.
    if (const std::optional<int> status = quelmar::GameFolderLookup::answerIfAsked(argc, argv))
        return *status;
    quelmar::letOversizedWritesFail();
    const QStringList arguments = quelmar::programArguments(argc, argv);
    const quelmar::CommandLine commandLine = quelmar::CommandLine::parse(arguments);
    const bool toolMode = commandLine.mode != quelmar::CommandLine::Mode::Program;
    const auto speakChosenLanguage = [&commandLine] {
        quelmar::useLanguage(quelmar::chooseLanguage(
            commandLine.language, qEnvironmentVariable(quelmar::languageVariable()),
            QLocale::system().uiLanguages()));
    };
    switch (quelmar::startRoute(quelmar::consoleFacts(), arguments.size(), toolMode)) {
    case quelmar::StartRoute::WindowProgram:
        if (quelmar::startWindowProgram())
            return 0;
        break; // without it, this program opens the window itself
    case quelmar::StartRoute::ConsoleProgramNotice: {
        // A message box in the player's language, before any window.
        QCoreApplication notice(argc, argv);
        speakChosenLanguage();
        quelmar::showSystemMessage(quelmar::consoleProgramText(), quelmar::applicationTitle());
        return 2;
    }
    case quelmar::StartRoute::AsAsked:
        break;
    }
    if (toolMode) {
        // The tools need no display: no window system is touched.
        QCoreApplication tool(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("quelmar"));
        const auto outDevice = quelmar::consoleDevice(stdout);
        const auto errDevice = quelmar::consoleDevice(stderr);
        QTextStream out(outDevice.get());
        QTextStream err(errDevice.get());
        return quelmar::runCommandLine(commandLine, out, err);
    }
    quelmar::NoDisplayGuard noDisplay;
    QApplication app(argc, argv);
    noDisplay.release();
    QApplication::setApplicationName(QStringLiteral("Quelmar"));
    // Lets Wayland desktops match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUELMAR_APP_ID));
    speakChosenLanguage();
    quelmar::look::applyProgramLook(app);
    return quelmar::runProgram(app, commandLine.files.value(0));
}
