#include "tests/support/Golden.h"

#include "config/Cp1251.h"

#include <QFile>

namespace quelmar::test {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray goldenBytes(const QString& name) {
    return readBytes(QStringLiteral(QUELMAR_TEST_DATA_DIR "/") + name);
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += toWindows1251(line) + "\r\n";
    return out;
}

QString goldenDifference(const QByteArray& actual, const QString& name) {
    const QList<QByteArray> a = actual.split('\n'), e = goldenBytes(name).split('\n');
    qsizetype i = 0;
    while (i < a.size() && i < e.size() && a[i] == e[i])
        ++i;
    if (i == a.size() && i == e.size())
        return {};
    auto shown = [i](const QList<QByteArray>& lines) {
        return i < lines.size() ? QString::fromLatin1(lines[i].toPercentEncoding(" \"/;"))
                                : "<end>";
    };
    return QStringLiteral("differs from %1 at line %2:\n  actual:   %3\n  expected: %4")
        .arg(name)
        .arg(i + 1)
        .arg(shown(a), shown(e));
}

PageHarness::PageHarness() {
    config.open(dir.filePath(QStringLiteral("page.cfg")));
}

QByteArray PageHarness::written() const {
    return readBytes(config.path());
}

} // namespace quelmar::test
