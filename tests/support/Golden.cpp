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

namespace {
QString visible(QByteArray line) {
    line.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t");
    return QString::fromLatin1(line);
}
} // namespace

bool matchesGolden(const QByteArray& actual, const QString& name, QString* report) {
    const QByteArray expected = goldenBytes(name);
    if (expected.isEmpty()) {
        *report = QStringLiteral("golden file %1 is missing or empty").arg(name);
        return false;
    }
    if (actual == expected)
        return true;
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray al = i < a.size() ? a[i] : QByteArray("<end of file>");
        const QByteArray el = i < e.size() ? e[i] : QByteArray("<end of file>");
        if (al != el) {
            *report = QStringLiteral("differs from %1 at line %2 (%3 bytes vs %4 expected):\n"
                                     "  actual:   %5\n  expected: %6")
                          .arg(name)
                          .arg(i + 1)
                          .arg(actual.size())
                          .arg(expected.size())
                          .arg(visible(al), visible(el));
            return false;
        }
    }
    *report = QStringLiteral("differs from %1").arg(name);
    return false;
}

PageHarness::PageHarness() {
    config.open(dir.filePath(QStringLiteral("page.cfg")));
}

QByteArray PageHarness::written() const {
    return readBytes(config.path());
}

} // namespace quelmar::test
