#include "platform/Console.h"

#include <QFile>

namespace quelmar {

QStringList programArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream) {
    auto file = std::make_unique<QFile>();
    file->open(stream, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return file;
}

} // namespace quelmar
