// How much memory and time opening a player's script takes at the most the
// program opens (16 MiB), over the shapes that cost the most: many distinct
// variables, one variable said again and again, binds, exec lines (each a
// file looked up beside the script) and comment lines. Each opening runs in
// a child process; its peak is the kernel's count of the child's peak
// resident set, less that of a child that only makes the script. Prints
// figures, never fails on them.
//
// Usage: bench_open
#include "app/OpenedScript.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

using namespace quelmar;

namespace {

constexpr qsizetype kSize = 16 << 20;

QByteArray script(int shape) {
    QByteArray text;
    text.reserve(kSize + 64);
    for (qint64 i = 0; text.size() < kSize; ++i) {
        switch (shape) {
        case 0:
            text += "cl_var" + QByteArray::number(i) + " \"1\"\r\n";
            break;
        case 1:
            text += "sensitivity \"" + QByteArray::number(i % 7) + ".5\"\r\n";
            break;
        case 2:
            text += "bind \"k" + QByteArray::number(i % 5000) + "\" \"say " +
                    QByteArray::number(i) + "\"\r\n";
            break;
        case 3:
            text += "exec missing" + QByteArray::number(i) + ".cfg\r\n";
            break;
        default:
            text += "// a comment line of the kind players keep; unbindall\r\n";
            break;
        }
    }
    return text;
}

struct Figures {
    double seconds = 0;
    long peakKb = 0;
};

Figures child(int shape, bool open, const QString& folder) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const QByteArray text = script(shape);
        if (open) {
            OpenedScript opened(text, folder + "/player.cfg", {}, ConsoleModel::filesIn(folder));
            std::fprintf(stderr, "%s", "");
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            usage.ru_maxrss};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const char* names[] = {"distinct variables", "one variable again", "binds of 5,000 keys",
                           "exec lines", "comment lines"};
    std::printf("opening a 16 MiB script: peak memory beyond the script itself, and time\n");
    for (int shape = 0; shape < 5; ++shape) {
        const Figures base = child(shape, false, folder.path());
        const Figures run = child(shape, true, folder.path());
        const double mb = (run.peakKb - base.peakKb) / 1024.0;
        std::printf("  %-22s %7.1f MB (%4.1f x the file)  %5.2f s\n", names[shape], mb, mb / 16.0,
                    run.seconds - base.seconds);
    }
    return 0;
}
