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
// output sent to a file or a pipe, and every other system, takes the bytes.
// A failed write makes the stream's status fail.
std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream);

// Whether stream (stdout or stderr) is a terminal or a console a player reads.
bool isTerminal(std::FILE* stream);

} // namespace quelmar
