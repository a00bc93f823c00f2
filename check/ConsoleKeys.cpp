#include "check/ConsoleKeys.h"

#include <QFile>
#include <QList>

namespace quelmar {
namespace {

QList<QByteArray> dataLines(const QByteArray& text) {
    QList<QByteArray> lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && !line.startsWith('#'))
            lines.append(line);
    }
    return lines;
}

// Both lists are built into the program, so reading them cannot fail short of
// a broken build, which the key rule test would show at once.
QByteArray embeddedFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

ConsoleKeys::ConsoleKeys(const QByteArray& keyNames, const QByteArray& fixes) {
    for (const QByteArray& line : dataLines(keyNames))
        m_names.insert(QString::fromLatin1(line.trimmed()).toUpper());
    for (const QByteArray& line : dataLines(fixes)) {
        const qsizetype tab = line.indexOf('\t');
        const QByteArray name = tab < 0 ? line : line.left(tab);
        const QByteArray fix = tab < 0 ? QByteArray() : line.mid(tab + 1).trimmed();
        m_fixes.insert(QString::fromLatin1(name).toUpper(), QString::fromLatin1(fix));
    }
}

const ConsoleKeys& ConsoleKeys::embedded() {
    static const ConsoleKeys keys(embeddedFile(QStringLiteral(":/console/console-keys.txt")),
                                  embeddedFile(QStringLiteral(":/console/console-key-fixes.txt")));
    return keys;
}

bool ConsoleKeys::accepts(const QString& name) const {
    return name.size() == 1 || m_names.contains(name.toUpper());
}

QString ConsoleKeys::consoleNameFor(const QString& name) const {
    return accepts(name) ? QString() : m_fixes.value(name.toUpper());
}

QString ConsoleKeys::keyOf(const QString& name) const {
    if (!accepts(name))
        return {};
    if (name.size() == 1)
        return name;
    const QString upper = name.toUpper();
    // The console's name for the ';' key, which a bare ';' would split off.
    return upper == u"SEMICOLON" ? QStringLiteral(";") : upper;
}

} // namespace quelmar
