#include "config/ConsoleReader.h"

namespace quelmar {
namespace {

bool startsComment(QByteArrayView text, qsizetype i, qsizetype end) {
    return text[i] == '/' && i + 1 < end && text[i + 1] == '/';
}

} // namespace

QByteArrayView consoleReadable(QByteArrayView file) {
    const qsizetype nul = file.indexOf('\0');
    return nul < 0 ? file : file.first(nul);
}

bool ConsoleReader::next(ConsoleCommand& command) {
    if (done_ || (more_ && text_.size() - pos_ < kLookahead))
        return false;
    command.words.clear();
    command.commentAt = command.longWordAt = command.swallowedAt = -1;
    command.longWordSize = 0;
    split(command);
    tokenize(command);
    // Inside a comment the ';' was meant as comment text: the quote only
    // keeps the console from running it.
    if (command.commentAt >= 0 && command.swallowedAt > command.commentAt)
        command.swallowedAt = -1;
    return true;
}

void ConsoleReader::split(ConsoleCommand& command) {
    const qsizetype start = pos_;
    const qsizetype limit = qMin(text_.size(), start + kMaxCommand + 1);
    qsizetype quotes = 0;
    qsizetype swallowedSemicolon = -1; // after the latest quote that left the count odd
    qsizetype i = start;
    for (; i < limit; ++i) {
        const char c = text_[i];
        if (c == '"') {
            ++quotes;
            swallowedSemicolon = -1;
        } else if (c == ';') {
            if (quotes % 2 == 0)
                break;
            if (swallowedSemicolon < 0)
                swallowedSemicolon = i;
        } else if (c == '\n') {
            break;
        }
    }
    command.begin = start;
    command.cut = false;
    if (i < limit) {
        command.end = i;
        command.endsLine = text_[i] == '\n';
        pos_ = i + 1;
        done_ = pos_ >= text_.size(); // a separator at the very end opens no further command
    } else if (i - start > kMaxCommand) {
        command.end = start + kMaxCommand;
        command.endsLine = false;
        command.cut = true;
        pos_ = command.end;
    } else {
        command.end = text_.size();
        command.endsLine = true;
        done_ = true;
    }
    // A ';' that an open quote kept in the command matters only when
    // something would have run after it.
    if (quotes % 2 == 1 && swallowedSemicolon >= 0 && !command.cut) {
        for (qsizetype j = swallowedSemicolon + 1; j < command.end; ++j) {
            if (!isConsoleBlank(text_[j])) {
                command.swallowedAt = swallowedSemicolon;
                break;
            }
        }
    }
}

void ConsoleReader::tokenize(ConsoleCommand& command) const {
    const qsizetype end = command.end;
    qsizetype i = command.begin;
    while (true) {
        while (i < end && isConsoleBlank(text_[i]))
            ++i;
        if (i >= end)
            return;
        if (startsComment(text_, i, end)) {
            command.commentAt = i;
            return;
        }
        ConsoleWord word{i, 0, false};
        if (text_[i] == '"') {
            qsizetype close = i + 1;
            while (close < end && text_[close] != '"')
                ++close;
            word = {i + 1, close - i - 1, true};
            if (close >= end && command.swallowedAt < 0) {
                // Open to the end: a "//" that began a word would have ended
                // the command without the quote.
                for (qsizetype j = i + 1; j + 1 < end; ++j) {
                    if (startsComment(text_, j, end) &&
                        (j == i + 1 || isConsoleBlank(text_[j - 1]))) {
                        command.swallowedAt = j;
                        break;
                    }
                }
            }
            i = qMin(close + 1, end);
        } else if (isConsoleSingle(text_[i])) {
            word.size = 1;
            ++i;
        } else {
            do
                ++i;
            while (i < end && !isConsoleBlank(text_[i]) && !isConsoleSingle(text_[i]));
            word.size = i - word.begin;
        }
        if (word.size >= kMaxWord) {
            command.longWordAt = word.begin;
            command.longWordSize = word.size;
            return;
        }
        command.words.append(word);
    }
}

KeptText::KeptText(const ConsoleReader& reader, const ConsoleCommand& command,
                   qsizetype firstWord) {
    const QList<ConsoleWord>& words = command.words;
    if (firstWord == words.size() - 1) {
        view_ = reader.wordText(words.last());
        offset_ = words.last().begin;
        return;
    }
    for (qsizetype i = firstWord; i < words.size(); ++i) {
        if (i > firstWord)
            joined_ += ' ';
        joined_ += reader.wordText(words.at(i));
    }
    view_ = joined_;
}

bool isWord(QByteArrayView word, const char* name) {
    return qstrnicmp(word.data(), word.size(), name, -1) == 0;
}

void walkCommands(QByteArrayView text, qsizetype offset, const CommandVisitor& visit, int depth) {
    ConsoleReader reader(text);
    ConsoleCommand command;
    while (reader.next(command))
        walkCommand(reader, command, offset, visit, depth);
}

void walkCommand(const ConsoleReader& reader, const ConsoleCommand& command, qsizetype offset,
                 const CommandVisitor& visit, int depth) {
    if (command.words.isEmpty() || !visit(reader, command, offset, depth) ||
        depth >= kMaxKeptDepth || command.words.size() < 3)
        return;
    const QByteArrayView verb = reader.wordText(command.words.first());
    if (!isWord(verb, "bind") && !isWord(verb, "alias"))
        return;
    const KeptText kept(reader, command, 2);
    walkCommands(kept.text(), offset < 0 || kept.offset() < 0 ? -1 : offset + kept.offset(), visit,
                 depth + 1);
}

} // namespace quelmar
