#include "check/ScriptLine.h"

#include "config/Cp1251.h"

namespace quelmar {

QList<ScriptLine> splitScriptLines(const QByteArray& script) {
    QList<ScriptLine> lines;
    qsizetype start = 0;
    while (start < script.size()) {
        qsizetype end = script.indexOf('\n', start);
        const qsizetype next = end < 0 ? script.size() : end + 1;
        if (end < 0)
            end = script.size();
        if (end > start && script.at(end - 1) == '\r')
            --end;
        lines.append({int(lines.size()) + 1, start,
                      QString::fromLatin1(script.constData() + start, end - start)});
        start = next;
    }
    return lines;
}

QString readableText(const QString& latin1Text) {
    return fromWindows1251(latin1Text.toLatin1());
}

} // namespace quelmar
