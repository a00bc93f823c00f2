#include "check/ScriptCheck.h"

#include "check/ScriptStream.h"
#include "config/BuyAliases.h"
#include "config/ConsoleKeys.h"

#include <algorithm>

namespace quelmar {
namespace {

// The console refuses alias names this long or longer.
constexpr qsizetype kAliasNameLimit = 32;

QByteArray lower(QByteArrayView word) {
    return word.toByteArray().toLower();
}

QString quoted(QByteArrayView bytes) {
    return u'"' + shownText(bytes) + u'"';
}

// The command as written from its first word on, blanks at the end left off.
QByteArrayView commandText(const ConsoleReader& reader, const ConsoleCommand& command) {
    const ConsoleWord& first = command.words.first();
    qsizetype end = command.end;
    while (end > first.begin && isConsoleBlank(reader.text()[end - 1]))
        --end;
    const qsizetype begin = first.quoted ? first.begin - 1 : first.begin;
    return reader.text().sliced(begin, end - begin);
}

} // namespace

ScriptCheck::ScriptCheck(const ConsoleKeys& keys) : keys_(keys) {}

bool ScriptCheck::run(ScriptSource& source, const Sink& sink) {
    definedAliases_.clear();
    boundOnLine_.clear();
    afterComment_ = false;
    ConsoleCommand command;
    {
        CommandStream aliases(source);
        while (aliases.next(command))
            collectAliases(aliases.reader(), command);
        if (aliases.failed() || !source.rewind())
            return false;
    }
    CommandStream stream(source);
    stream_ = &stream;
    while (stream.next(command)) {
        pending_.clear();
        reportedCalls_.clear();
        checkFileShape(stream.reader(), command);
        checkCommand(stream.reader(), command);
        std::stable_sort(pending_.begin(), pending_.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        for (const Finding& finding : std::as_const(pending_))
            sink(finding);
    }
    if (!stream.failed() && stream.textAfterNul())
        sink({lineAt(stream.reader().text().size()), Finding::Severity::Error,
              QStringLiteral("a NUL byte: the console stops reading the file here, and nothing "
                             "after it runs")});
    stream_ = nullptr;
    return !stream.failed();
}

void ScriptCheck::collectAliases(const ConsoleReader& reader, const ConsoleCommand& command) {
    walkCommand(reader, command, 0,
                [this](const ConsoleReader& reader, const ConsoleCommand& command, qsizetype, int) {
                    if (command.words.size() > 1 &&
                        isWord(reader.wordText(command.words.first()), "alias") &&
                        command.words.at(1).size < kAliasNameLimit) {
                        QByteArray name = lower(reader.wordText(command.words.at(1)));
                        // Only calls of buy aliases are looked up: the set
                        // stays small whatever the script defines.
                        if (buyAliasNames().contains(name))
                            definedAliases_.insert(std::move(name));
                    }
                    return true;
                });
}

int ScriptCheck::lineAt(qsizetype offset) {
    return stream_->lineAt(offset);
}

void ScriptCheck::checkFileShape(const ConsoleReader& reader, const ConsoleCommand& command) {
    const QByteArrayView text = reader.text();
    if (stream_->isStart(command.begin) && text.startsWith("\xEF\xBB\xBF") &&
        !command.words.isEmpty() && command.words.first().begin == 0) {
        add(1, Finding::Severity::Error,
            QStringLiteral("the file starts with a UTF-8 byte-order mark, which the console "
                           "reads as part of the first word: it runs \"\\xef\\xbb\\xbf%1\", "
                           "which is no command")
                .arg(shownText(reader.wordText(command.words.first()).sliced(3))));
    }
    if (text.sliced(command.begin, command.end - command.begin).contains('\r')) {
        qsizetype first = -1, last = -1;
        bool bareCr = false, joined = false;
        for (qsizetype i = command.begin; i < command.end; ++i) {
            if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
                bareCr = bareCr || first >= 0;
            } else if (!isConsoleBlank(text[i])) {
                joined = joined || bareCr;
                first = first < 0 ? i : first;
                last = i;
            }
        }
        if (joined) {
            const int firstLine = lineAt(first);
            add(firstLine, Finding::Severity::Error,
                QStringLiteral("lines %1 to %2 end in a bare CR, which the console reads as a "
                               "blank, not as a line end: it runs them as one command")
                    .arg(firstLine)
                    .arg(lineAt(last)));
        }
    }
    if (command.cut)
        add(lineAt(command.end), Finding::Severity::Error,
            QStringLiteral("a command longer than %1 characters: the console cuts it here and "
                           "runs the rest, from \"%2\", as a further command")
                .arg(ConsoleReader::kMaxCommand)
                .arg(shownText(text.sliced(command.end), 30)));
    if (command.longWordAt >= 0) {
        QByteArray before;
        for (const ConsoleWord& word : command.words)
            before += (before.isEmpty() ? "" : " ") + reader.wordText(word).toByteArray();
        add(lineAt(command.longWordAt), Finding::Severity::Error,
            QStringLiteral("a word of %1 characters; the console takes words of up to %2 and "
                           "ends the command before it, so %3")
                .arg(command.longWordSize)
                .arg(ConsoleReader::kMaxWord - 1)
                .arg(before.isEmpty() ? QStringLiteral("nothing of the command runs")
                                      : QStringLiteral("it runs only ") + quoted(before)));
    }
    if (command.swallowedAt >= 0)
        add(lineAt(command.swallowedAt), Finding::Severity::Warning,
            text[command.swallowedAt] == ';'
                ? QStringLiteral("an unpaired double quote makes the console read this \";\" as "
                                 "text: what follows it runs as part of this command, not as a "
                                 "command of its own")
                : QStringLiteral("an unpaired double quote makes the console read this \"//\" "
                                 "as text, not as a comment: what follows it is part of the "
                                 "command"));
    if (!command.words.isEmpty()) {
        const ConsoleWord& first = command.words.first();
        if (afterComment_) {
            add(lineAt(first.begin), Finding::Severity::Error,
                QStringLiteral("the console runs %1 as a further command: the \";\" before it "
                               "ends the comment")
                    .arg(quoted(commandText(reader, command))));
            afterComment_ = false;
        }
        if (first.quoted && first.size == 0)
            add(lineAt(first.begin), Finding::Severity::Warning,
                QStringLiteral("the console runs the empty quoted word \"\" as a command and "
                               "answers it with an unknown-command error"));
    }
    if (command.commentAt >= 0 && !command.endsLine && !command.cut)
        afterComment_ = true;
    if (command.endsLine)
        afterComment_ = false;
}

void ScriptCheck::checkCommand(const ConsoleReader& reader, const ConsoleCommand& command) {
    if (command.words.isEmpty())
        return;
    const QByteArrayView verb = reader.wordText(command.words.first());
    const int line = lineAt(command.words.first().begin);
    if (isWord(verb, "unbindall")) {
        boundOnLine_.clear();
        return;
    }
    if (!checkKeyAndAlias(reader, command, line, QString()))
        return;
    if (isWord(verb, "unbind")) {
        boundOnLine_.remove(keys_.keyOf(reader.wordText(command.words.at(1))));
        return;
    }
    const bool bind = isWord(verb, "bind");
    if ((!bind && !isWord(verb, "alias")) || command.words.size() < 3)
        return;
    const QByteArrayView name = reader.wordText(command.words.at(1));
    const KeptText kept(reader, command, 2);
    if (!bind) {
        checkKeptText(kept.text(), line, QStringLiteral("when alias %1 runs: ").arg(quoted(name)));
        return;
    }
    checkTwice(name, line);
    if ((name == "`" || name == "~") && !lower(kept.text()).contains("toggleconsole"))
        add(line, Finding::Severity::Warning,
            QStringLiteral("key %1 opens the console; this bind makes it run %2 instead")
                .arg(quoted(name), quoted(kept.text())));
    checkKeptText(kept.text(), line, QStringLiteral("when key %1 is pressed: ").arg(quoted(name)));
}

void ScriptCheck::checkKeptText(QByteArrayView text, int line, const QString& when) {
    walkCommands(
        text, -1,
        [&](const ConsoleReader& reader, const ConsoleCommand& command, qsizetype, int) {
            const QByteArrayView verb = reader.wordText(command.words.first());
            const QByteArray called = lower(verb);
            if (buyAliasNames().contains(called) && !definedAliases_.contains(called) &&
                !reportedCalls_.contains(called)) {
                reportedCalls_.insert(called);
                add(line, Finding::Severity::Warning,
                    when + QStringLiteral("buy alias %1 is defined by no alias line of this file, "
                                          "so the console answers it with an unknown-command error")
                               .arg(quoted(verb)));
            }
            return checkKeyAndAlias(reader, command, line, when);
        },
        1);
}

bool ScriptCheck::checkKeyAndAlias(const ConsoleReader& reader, const ConsoleCommand& command,
                                   int line, const QString& when) {
    const QList<ConsoleWord>& words = command.words;
    const QByteArrayView verb = reader.wordText(words.first());
    const bool unbind = isWord(verb, "unbind");
    if (unbind && words.size() != 2) {
        add(line, Finding::Severity::Error,
            when + QStringLiteral("unbind takes one key name, not %1: the console only shows how "
                                  "to use it and unbinds nothing")
                       .arg(words.size() - 1));
        return false;
    }
    if (words.size() < 2)
        return true;
    const QByteArrayView name = reader.wordText(words.at(1));
    if ((unbind || isWord(verb, "bind")) && !keys_.accepts(name)) {
        const QString does =
            unbind ? QStringLiteral("unbinds nothing") : QStringLiteral("binds nothing");
        QString text;
        if (!words.at(1).quoted && name.contains('"')) {
            text = QStringLiteral("this key name is read as %1, which is no key: the console %2")
                       .arg(shownText(name), does);
        } else {
            text = QStringLiteral("key %1 is no console key name: the console %2")
                       .arg(quoted(name), does);
            const QByteArray fix = keys_.consoleNameFor(name);
            if (!fix.isEmpty())
                text += QStringLiteral("; its name for this key is \"%1\"")
                            .arg(QString::fromLatin1(fix));
        }
        add(line, Finding::Severity::Error, when + text);
        return false;
    }
    if (isWord(verb, "alias") && name.size() >= kAliasNameLimit) {
        add(line, Finding::Severity::Error,
            when + QStringLiteral("alias name %1 has %2 characters: the console refuses names of "
                                  "%3 or more and defines nothing")
                       .arg(quoted(name), QString::number(name.size()),
                            QString::number(kAliasNameLimit)));
        return false;
    }
    return true;
}

void ScriptCheck::checkTwice(QByteArrayView key, int line) {
    const QByteArray id = keys_.keyOf(key);
    const auto earlier = boundOnLine_.constFind(id);
    if (earlier != boundOnLine_.cend())
        add(line, Finding::Severity::Warning,
            QStringLiteral("key %1 is bound again: the console replaces the bind of line %2 with "
                           "this one")
                .arg(quoted(key), QString::number(*earlier)));
    boundOnLine_.insert(id, line);
}

void ScriptCheck::add(int line, Finding::Severity severity, const QString& text) {
    pending_.append({line, severity, text});
}

} // namespace quelmar
