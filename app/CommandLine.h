#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace quelmar {

// What the program was asked to do on its command line. Decided from the
// arguments alone, before any application object exists, so that the tools
// run without a display.
struct CommandLine {
    enum class Mode { Program, Help, HelpAll, Version, Check, FixKeys, Install, Keys, Invalid };

    Mode mode = Mode::Program;
    // The scripts of --check, IN and OUT of --fix-keys, NAME [FOLDER] of
    // --install, or the script the window starts from.
    QStringList files;
    QString error;    // one line, for Invalid
    QString language; // --lang's value for the window: "ru", "en" or empty

    // arguments as main() gets them, the program's own path first. Qt's own
    // options (-platform, -style, -geometry …) are left to the window
    // program and need no mention here.
    static CommandLine parse(const QStringList& arguments);
};

// Runs every mode but Program and returns the exit status: 0 for help and
// version, the tools' own statuses, 2 for an invalid command line.
int runCommandLine(const CommandLine& commandLine, QTextStream& out, QTextStream& err);

// Lives while the window program's QApplication is made: when Qt finds no
// window system to open a window on (no display, or one that does not
// answer), it aborts with a page of advice about reinstalling; this says
// instead in one line on standard error what is missing, and ends the
// program with status 1. Qt's other messages of that time are held back and
// passed on at release().
class NoDisplayGuard {
  public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    void release();

    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

} // namespace quelmar
