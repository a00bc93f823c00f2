#include "config/ConsoleKeys.h"

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

// The console compares names with an ASCII-only case fold.
QByteArray upper(QByteArrayView name) {
    return name.toByteArray().toUpper();
}

} // namespace

ConsoleKeys::ConsoleKeys(const QByteArray& keyNames, const QByteArray& fixes) {
    for (const QByteArray& line : dataLines(keyNames)) {
        names_.insert(line.trimmed().toUpper());
        order_.insert(line.trimmed().toUpper(), int(order_.size()) * 256);
    }
    for (const QByteArray& line : dataLines(fixes)) {
        const qsizetype tab = line.indexOf('\t');
        const QByteArray name = tab < 0 ? line : line.left(tab);
        fixes_.insert(name.toUpper(), tab < 0 ? QByteArray() : line.mid(tab + 1).trimmed());
    }
}

const ConsoleKeys& ConsoleKeys::embedded() {
    static const ConsoleKeys keys(embeddedFile(QStringLiteral(":/console/console-keys.txt")),
                                  embeddedFile(QStringLiteral(":/console/console-key-fixes.txt")));
    return keys;
}

bool ConsoleKeys::accepts(QByteArrayView name) const {
    return name.size() == 1 || (name.size() > 1 && names_.contains(upper(name)));
}

QByteArray ConsoleKeys::consoleNameFor(QByteArrayView name) const {
    return accepts(name) ? QByteArray() : fixes_.value(upper(name));
}

int ConsoleKeys::rank(QByteArrayView key) const {
    if (key.size() == 1)
        return order_.value("SPACE") + static_cast<unsigned char>(key[0]);
    return order_.value(upper(key), int(order_.size()) * 256);
}

QByteArray ConsoleKeys::keyOf(QByteArrayView name) const {
    if (!accepts(name))
        return {};
    if (name.size() == 1)
        return name.toByteArray();
    const QByteArray key = upper(name);
    // The console's name for the ';' key, which a bare ';' would split off.
    return key == "SEMICOLON" ? QByteArray(";") : key;
}

} // namespace quelmar
