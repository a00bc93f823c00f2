#include "check/ConsoleLine.h"

namespace quelmar {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool startsWord(const QString& line, qsizetype i) {
    return i == 0 || isBlank(line.at(i - 1)) || line.at(i - 1) == u';' || line.at(i - 1) == u'"';
}

// Splits one command's text (from..to of the line) into words.
QList<ConsoleWord> splitWords(const QString& line, qsizetype from, qsizetype to) {
    QList<ConsoleWord> words;
    qsizetype i = from;
    while (i < to) {
        if (isBlank(line.at(i))) {
            ++i;
        } else if (line.at(i) == u'"') {
            qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0 || close > to)
                close = to;
            words.append({line.mid(i + 1, close - i - 1), i + 1});
            i = close + 1;
        } else {
            const qsizetype start = i;
            while (i < to && !isBlank(line.at(i)) && line.at(i) != u'"')
                ++i;
            words.append({line.mid(start, i - start), start});
        }
    }
    return words;
}

} // namespace

ConsoleLine ConsoleLine::parse(const QString& line) {
    ConsoleLine parsed;
    bool inQuotes = false;
    bool quoteClosed = false;
    bool commandFollowsQuote = false;
    qsizetype start = 0;
    qsizetype i = 0;
    auto endCommand = [&](qsizetype end) {
        ConsoleCommand command{splitWords(line, start, end), line.mid(start, end - start).trimmed(),
                               commandFollowsQuote};
        if (!command.words.isEmpty())
            parsed.commands.append(command);
        start = end + 1;
        commandFollowsQuote = quoteClosed;
    };
    for (; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"') {
            quoteClosed = quoteClosed || inQuotes;
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == u';') {
            endCommand(i);
        } else if (!inQuotes && c == u'/' && QStringView(line).mid(i, 2) == u"//" &&
                   startsWord(line, i)) {
            break;
        }
    }
    endCommand(i);
    parsed.quoteLeftOpen = inQuotes;
    return parsed;
}

} // namespace quelmar
