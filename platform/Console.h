#pragma once

#include <QIODevice>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace quelmar {

// The program's arguments, its own path first, as the system gives them:
// on Windows from the wide-character command line, so that a file name in
// Cyrillic survives whatever the ANSI code page; elsewhere argv as UTF-8,
// every byte that is not UTF-8 kept (see PathBytes.h), so that a file is
// opened and written under exactly the name the player passed.
QStringList programArguments(int argc, char* argv[]);

// A write past the file-size limit (ulimit -f) would end the program by a
// signal in the middle of a line; this makes it fail like any other failed
// write, so the line is taken back and the player told. Called first thing.
void letOversizedWritesFail();

// Standard output or error (stream is stdout or stderr) for a QTextStream,
// which writes UTF-8 to it. A Windows console is handed the text itself
// (WriteConsoleW), so it shows in whatever the console's code page is;
// output sent to a file or a pipe there takes the bytes in
// redirectedCodePage(), and on every other system the UTF-8 bytes.
// A failed write makes the stream's status fail.
std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream);

// The code page of what a Windows console program writes to a file or a
// pipe, from its own code page (GetACP) and its console's output code page
// (0 without a console). The console's page says how that console shows the
// bytes written to it, and cmd.exe's own commands write in it where their
// output is redirected; but a program whose own page is UTF-8 (asked for in
// its manifest, or the system's UTF-8 option) writes UTF-8, which holds every
// character, whatever page the console it was started from still has.
constexpr unsigned kUtf8CodePage = 65001;
constexpr unsigned redirectedCodePage(unsigned program, unsigned console) {
    return program == kUtf8CodePage || console == 0 ? program : console;
}

// Whether stream (stdout or stderr) is a terminal or a console a player reads.
bool isTerminal(std::FILE* stream);

// What the program finds of its console as it starts.
struct ConsoleFacts {
    // Built for the console (quelmar.com), not as the window program.
    bool consoleProgram = false;
    // The processes attached to its console, itself included; 0 without one.
    unsigned attachedProcesses = 0;
    // Standard output or error leads somewhere: a file, a pipe, or a
    // console this process is attached to.
    bool hasOutput = true;
};
ConsoleFacts consoleFacts();

// Starts the window program that lies beside this one, with no arguments;
// false when it could not be started.
bool startWindowProgram();

// A message box of the system's own, for a program that has no window
// system of Qt's open yet; where a terminal is always at hand, nothing.
void showSystemMessage(const QString& text, const QString& title);

} // namespace quelmar
