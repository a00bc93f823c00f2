#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>

namespace quelmar {

// One word as the console makes it; offsets count from the start of the text
// read. A quoted word is its text without the quotes.
struct ConsoleWord {
    qsizetype begin = 0;
    qsizetype size = 0;
    bool quoted = false;
};

// One command as the console runs it, with what shaped it.
struct ConsoleCommand {
    qsizetype begin = 0; // the command's bytes, separator excluded
    qsizetype end = 0;
    QList<ConsoleWord> words;
    bool endsLine = true;       // ended by a line feed or the end of the text
    bool cut = false;           // too long: the text after `end` runs as a further command
    qsizetype commentAt = -1;   // a word starting with "//" ended it here
    qsizetype longWordAt = -1;  // a word too long for the console ended it here
    qsizetype longWordSize = 0; // in bytes, without quotes
    // An unpaired double quote that made the console read on over a ';' or
    // a "//" that would otherwise have ended the command, outside a comment;
    // -1 for none.
    qsizetype swallowedAt = -1;
};

// Reads console text the way the game's console does, one command at a time,
// in time linear in the text:
// - a command ends at a line feed, or at ';' when the number of double quotes
//   before it in the command is even (comments make no difference);
// - a command longer than kMaxCommand bytes is cut there, and the rest runs as
//   a further command;
// - whitespace is any byte up to 32 (a CR is a blank); a word starting with
//   "//" ends the command; a double quote at the start of a word runs to the
//   next one or to the end of the command; { } ( ) ' , : are words of their
//   own; any other word runs to whitespace or one of those;
// - a word of kMaxWord bytes or more ends the command before it.
// The text holds no NUL: the console's reading stops at the first one.
class ConsoleReader {
  public:
    static constexpr qsizetype kMaxCommand = 1023;
    static constexpr qsizetype kMaxWord = 515;
    // What a command needs in view from its start: itself, its separator and
    // what a finding quotes after it.
    static constexpr qsizetype kLookahead = 2048;

    // more: text is the part in hand of a longer text, which goes on after
    // it; the reader then reads only commands with kLookahead bytes in view.
    explicit ConsoleReader(QByteArrayView text, bool more = false) : text_(text), more_(more) {}

    // Reads the next command into command (empty ones included); false once
    // the text is used up, or (more) what is in hand.
    bool next(ConsoleCommand& command);
    // Where the next command starts.
    qsizetype position() const { return pos_; }

    QByteArrayView text() const { return text_; }
    QByteArrayView wordText(const ConsoleWord& word) const {
        return text_.sliced(word.begin, word.size);
    }

  private:
    void split(ConsoleCommand& command);
    void tokenize(ConsoleCommand& command) const;

    QByteArrayView text_;
    bool more_ = false;
    qsizetype pos_ = 0;
    bool done_ = false;
};

// The bytes up to the first NUL: all the console ever reads of a file.
QByteArrayView consoleReadable(QByteArrayView file);

// The text a `bind` or `alias` keeps to run later: its words from the given
// one on, joined by one blank, as the console joins them. A single word is
// viewed in place, so offsets into it still lead back to the text read.
class KeptText {
  public:
    KeptText(const ConsoleReader& reader, const ConsoleCommand& command, qsizetype firstWord);
    KeptText(const KeptText&) = delete;
    KeptText& operator=(const KeptText&) = delete;

    QByteArrayView text() const { return view_; }
    // Where the text starts in the reader's text; -1 when it was joined.
    qsizetype offset() const { return offset_; }

  private:
    QByteArray joined_;
    QByteArrayView view_;
    qsizetype offset_ = -1;
};

// The console's whitespace: every byte up to 32, CR and control bytes included.
inline bool isConsoleBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// { } ( ) ' , : are words of their own to the console, wherever they stand.
inline bool isConsoleSingle(char c) {
    return c == '{' || c == '}' || c == '(' || c == ')' || c == '\'' || c == ',' || c == ':';
}

// An ASCII word compared as the console compares command names.
bool isWord(QByteArrayView word, const char* name);

// Text kept by a bind or an alias is looked into this deep (an alias that
// defines an alias that binds a key is three deep).
constexpr int kMaxKeptDepth = 3;

// Sees one command (never an empty one) of a walk: offset is where the text
// read starts in the outermost text, -1 when it was joined from several
// words; depth counts the kept texts it stands in. Returns whether to look
// into the text the command keeps.
using CommandVisitor = std::function<bool(
    const ConsoleReader& reader, const ConsoleCommand& command, qsizetype offset, int depth)>;

// Reads text command by command and, as deep as kMaxKeptDepth, the text that
// each `bind` and `alias` keeps, in the order the bytes stand.
void walkCommands(QByteArrayView text, qsizetype offset, const CommandVisitor& visit,
                  int depth = 0);
// The same for one command that reader has read.
void walkCommand(const ConsoleReader& reader, const ConsoleCommand& command, qsizetype offset,
                 const CommandVisitor& visit, int depth = 0);

} // namespace quelmar
