#include "platform/Console.h"

#include "config/PathBytes.h"

#include <QFile>

#include <csignal>
#include <unistd.h>

namespace quelmar {

QStringList programArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(pathFromBytes(argv[i]));
    return arguments;
}

void letOversizedWritesFail() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream) {
    auto file = std::make_unique<QFile>();
    file->open(stream, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return file;
}

bool isTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) == 1;
}

// One program serves both the terminal and the desktop here.
ConsoleFacts consoleFacts() {
    return {};
}

bool startWindowProgram() {
    return false;
}

void showSystemMessage(const QString&, const QString&) {}

} // namespace quelmar
