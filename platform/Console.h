#pragma once

#include <QIODevice>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace quelmar {

// The program's arguments, its own path first, as the system gives them:
// on Windows from the wide-character command line, so that a file name in
// Cyrillic survives whatever the ANSI code page; elsewhere argv in the
// locale's encoding.
QStringList programArguments(int argc, char* argv[]);

// Standard output or error (stream is stdout or stderr) for a QTextStream,
// which writes UTF-8 to it. A Windows console is handed the text itself
// (WriteConsoleW), so it shows in whatever the console's code page is;
// output sent to a file or a pipe, and every other system, takes the bytes.
// A failed write makes the stream's status fail.
std::unique_ptr<QIODevice> consoleDevice(std::FILE* stream);

} // namespace quelmar
