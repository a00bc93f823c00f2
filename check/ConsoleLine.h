#pragma once

#include <QList>
#include <QString>

namespace quelmar {

// One word of a console command; a quoted value is one word without its quotes.
struct ConsoleWord {
    QString text;
    qsizetype begin = 0; // index of the word's first character in the line
};

// One command of a line: the text between two ';' that stand outside quotes.
struct ConsoleCommand {
    QList<ConsoleWord> words;
    QString text; // as written, blanks around it trimmed
    // A quoted value of this line was already closed when this command began.
    bool followsQuotedValue = false;
};

// A line read the way the game's console reads it:
// - a double quote opens a quoted value that runs to the next double quote,
//   and ';' or "//" inside it are plain text;
// - ';' outside quotes ends one command and starts the next;
// - "//" outside quotes at the start of a word starts a comment that runs to
//   the line end ("http://x" stays one word);
// - words are split at blanks and tabs.
struct ConsoleLine {
    QList<ConsoleCommand> commands; // empty ones left out
    bool quoteLeftOpen = false;     // the line ended inside a quoted value

    static ConsoleLine parse(const QString& line);
};

} // namespace quelmar
