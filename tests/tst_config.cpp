// The script file itself: the temporary file and its preamble, line form,
// sections and the code page (the save and its failures: tst_savefail).
#include "config/ConfigLines.h"
#include "config/ConfigStream.h"
#include "config/Cp1251.h"
#include "config/InputFile.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestConfig : public QObject {
    Q_OBJECT

  private slots:
    // A second run replaces what the first one left.
    void tempFileHoldsPreambleAndOneEmptyLine() {
        QTemporaryDir dir;
        TempFolderAs tempFolder(dir.path());
        {
            ConfigStream first;
            QCOMPARE(TempConfigFile::create(first).outcome, TempConfigFile::Outcome::Created);
            first.beginSection(Section::Video);
        }
        ConfigStream second;
        QCOMPARE(TempConfigFile::create(second).outcome, TempConfigFile::Outcome::Created);
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

    // The one bounded read: a file of exactly the limit is read whole, one
    // byte more is refused with no more than that held; a folder is no file.
    void aFileIsReadWholeUpToTheLimit() {
        QTemporaryDir dir;
        const QString path = dir.filePath("script.cfg");
        for (const qint64 size : {0, 100, 101, 70000}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size);
            file.close();
            QByteArray bytes;
            const FileError error = readWholeFile(path, bytes, InputKind::RegularFile, 100);
            QCOMPARE(error.problem, size > 100 ? FileProblem::PastLimit : FileProblem::None);
            QCOMPARE(bytes.size(), qMin(size, qint64(101)));
        }
        QByteArray bytes;
        QCOMPARE(readWholeFile(dir.path(), bytes).problem, FileProblem::Folder);
    }

    // All 256 bytes both ways, against the table Python's own codec gives;
    // the unassigned byte reads as U+FFFD and nothing writes it.
    void theWholeWindows1251Table() {
        int rows = 0;
        for (const QByteArray& line : goldenBytes(QStringLiteral("cp1251.txt")).split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QByteArray byte(1, char(line.left(2).toInt(nullptr, 16)));
            const QByteArray code = line.mid(3);
            const QString text = QChar(code == "-" ? 0xFFFD : code.toInt(nullptr, 16));
            QCOMPARE(fromWindows1251(byte), text);
            QCOMPARE(toWindows1251(text), code == "-" ? QByteArray("?") : byte);
            ++rows;
        }
        QCOMPARE(rows, 256);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
