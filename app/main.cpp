#include "app/CommandLine.h"
#include "app/Program.h"
#include "platform/Console.h"
#include "ui/Language.h"
#include "ui/Look.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    quelmar::letOversizedWritesFail();
    const quelmar::CommandLine commandLine =
        quelmar::CommandLine::parse(quelmar::programArguments(argc, argv));
    if (commandLine.mode != quelmar::CommandLine::Mode::Program) {
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
    quelmar::useLanguage(quelmar::chooseLanguage(commandLine.language,
                                                 qEnvironmentVariable(quelmar::languageVariable()),
                                                 QLocale::system().uiLanguages()));
    quelmar::look::applyProgramLook(app);
    return quelmar::runProgram(app, commandLine.files.value(0));
}
