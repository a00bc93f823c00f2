// The script file itself: the temporary file and its preamble, line form,
// sections, the code page, and the save copy.
#include "config/ConfigLines.h"
#include "config/ConfigStream.h"
#include "config/Cp1251.h"
#include "config/SaveCopy.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT

  private slots:
    // A second run replaces what the first one left.
    void tempFileHoldsPreambleAndOneEmptyLine() {
        QTemporaryDir dir;
        qputenv("TMPDIR", dir.path().toLocal8Bit());
        {
            ConfigStream first;
            QVERIFY(TempConfigFile::create(first));
            first.beginSection(Section::Video);
        }
        ConfigStream second;
        QVERIFY(TempConfigFile::create(second));
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    // Each line reaches the disk as it is written, in the order written.
    void linesAndSectionsReachTheDiskAtOnce() {
        PageHarness h;
        h.config.writeLine(QStringLiteral("first"));
        QCOMPARE(h.written(), QByteArray("first\r\n"));
        h.config.beginSection(Section::Sound);
        h.config.writeEmptyLine();
        h.config.writeLine(settingLine(QStringLiteral("name"), QStringLiteral("Вася ☺")));
        QCOMPARE(h.written(),
                 QByteArray(
                     "first\r\n\r\n// [ Sound Setting ] \r\n\r\nname \"\xC2\xE0\xF1\xFF ?\"\r\n"));
    }

    // The copy replaces an older, longer file and leaves nothing beside it;
    // into a missing folder or from a missing file it fails and says why.
    void saveCopy() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("cfg.cfg"));
        const QString target = dir.filePath(QStringLiteral("my"));
        QVERIFY(writeFile(source, "line\r\n") && writeFile(target, "an older, longer script\r\n"));
        QVERIFY(copyScript(source, target));
        QCOMPARE(readBytes(target), QByteArray("line\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        QString error;
        QVERIFY(!copyScript(source, dir.filePath(QStringLiteral("no/such/folder/a.cfg")), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!copyScript(dir.filePath(QStringLiteral("missing.cfg")), target, &error));
        QCOMPARE(readBytes(target), QByteArray("line\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
