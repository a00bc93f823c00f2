// The script file itself: preamble, encoding, line form, sections, save copy.
#include "config/ConfigLines.h"
#include "config/ConfigStream.h"
#include "config/Cp1251.h"
#include "config/StringResources.h"
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
    void preambleResourceIsExact() {
        const QString preamble = stringResource(101);
        QCOMPARE(preamble.size(), 3857);
        QCOMPARE(preamble.count(QStringLiteral("\r\n")), 127);
        QVERIFY(preamble.endsWith(QStringLiteral("cl_timeout \"45\"\r\n")));
        // No bare CR or LF anywhere: every line ends in the pair.
        QCOMPARE(preamble.count(QLatin1Char('\r')), 127);
        QCOMPARE(preamble.count(QLatin1Char('\n')), 127);
        const QStringList lines = preamble.split(QStringLiteral("\r\n"));
        QCOMPARE(lines[0], QStringLiteral("// \t    [Config for Counter-Strike]"));
        QCOMPARE(lines[2], QStringLiteral("//") + QString(21, QLatin1Char(' ')) +
                               QStringLiteral("[ Weapon aliases ]"));
        QCOMPARE(lines[116], QStringLiteral("bind \"`\" \"toggleconsole\""));
        QCOMPARE(lines[117], QStringLiteral("bind \" ~ \" \"toggleconsole\""));
        QCOMPARE(lines[8], QString()); // line 9 is empty
    }

    void smallResources() {
        QCOMPARE(stringResource(102), QStringLiteral("reset\""));
        QCOMPARE(stringResource(103), QStringLiteral("\""));
        QCOMPARE(quote(), QStringLiteral("\""));
        QCOMPARE(stringResource(104), QString());
    }

    void tempFileHoldsPreambleAndOneEmptyLine() {
        QTemporaryDir dir;
        qputenv("TMPDIR", dir.path().toLocal8Bit());
        QCOMPARE(TempConfigFile::path(), QDir(dir.path()).filePath(QStringLiteral("cfg.cfg")));
        ConfigStream stream;
        QCOMPARE(TempConfigFile::create(stream), TempConfigFile::Outcome::Created);
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    void secondRunReplacesTheOldFile() {
        QTemporaryDir dir;
        qputenv("TMPDIR", dir.path().toLocal8Bit());
        {
            ConfigStream first;
            QCOMPARE(TempConfigFile::create(first), TempConfigFile::Outcome::Created);
            first.beginSection(Section::Video);
            first.writeLine(settingLine(QStringLiteral("gamma"), QStringLiteral("3")));
        }
        ConfigStream second;
        QCOMPARE(TempConfigFile::create(second), TempConfigFile::Outcome::Created);
        QUELMAR_COMPARE_GOLDEN(readBytes(TempConfigFile::path()), "preamble_only.cfg");
    }

    void missingTempFolderFailsAndNamesTheFile() {
        qputenv("TMPDIR", "/nonexistent/quelmar-tmp");
        ConfigStream stream;
        QString error;
        QCOMPARE(TempConfigFile::create(stream, &error), TempConfigFile::Outcome::CreateFailed);
        QVERIFY(!error.isEmpty());
        QCOMPARE(TempConfigFile::path(), QStringLiteral("/nonexistent/quelmar-tmp/cfg.cfg"));
        QVERIFY(!QFile::exists(QStringLiteral("cfg.cfg"))); // not dropped in the working folder
        // Writing to a stream that never opened is harmless.
        stream.writeLine(QStringLiteral("x"));
        QVERIFY(!stream.isOpen());
    }

    void everyLineReachesTheDiskAtOnce() {
        PageHarness h;
        h.config.writeLine(QStringLiteral("first"));
        QCOMPARE(h.written(), QByteArray("first\r\n"));
        h.config.writeEmptyLine();
        h.config.writeLine(QStringLiteral("second "));
        QCOMPARE(h.written(), QByteArray("first\r\n\r\nsecond \r\n"));
    }

    void sectionsStandInTheOrderWritten() {
        PageHarness h;
        h.config.beginSection(Section::Sound);
        h.config.beginSection(Section::Video);
        QCOMPARE(h.written(),
                 QByteArray("\r\n// [ Sound Setting ] \r\n\r\n// [ Video Setting ] \r\n"));
    }

    void lineBuilders() {
        QCOMPARE(settingLine(QStringLiteral("gamma"), QStringLiteral("1")),
                 QStringLiteral("gamma \"1\""));
        QCOMPARE(bindLine(QStringLiteral("Page Up"), QStringLiteral("pausable 1; pause")),
                 QStringLiteral("bind \"Page Up\" \"pausable 1; pause\""));
        QCOMPARE(bindLine(QString(), QStringLiteral("x")), QStringLiteral("bind \"\" \"x\""));
    }

    void windows1251() {
        QCOMPARE(toWindows1251(u"abc \"q\""), QByteArray("abc \"q\""));
        QCOMPARE(toWindows1251(u"Видео"), QByteArray("\xC2\xE8\xE4\xE5\xEE"));
        QCOMPARE(toWindows1251(u"АЯаяЁё"), QByteArray("\xC0\xDF\xE0\xFF\xA8\xB8"));
        QCOMPARE(toWindows1251(u"№€—«»"), QByteArray("\xB9\x88\x97\xAB\xBB"));
        QCOMPARE(toWindows1251(u"ÄÉ中"), QByteArray("???"));
        // A character outside the BMP is one '?', not two.
        QCOMPARE(toWindows1251(QString::fromUtf8("a\xF0\x9F\x98\x80z")), QByteArray("a?z"));
        // A lone surrogate half cannot be encoded either.
        QCOMPARE(toWindows1251(QString(QChar(0xD800))), QByteArray("?"));
        QCOMPARE(toWindows1251(u""), QByteArray());
    }

    void windows1251RoundTripsEveryAssignedByte() {
        QByteArray all;
        for (int b = 1; b < 256; ++b) {
            if (b != 0x98)
                all.append(char(b));
        }
        QCOMPARE(toWindows1251(fromWindows1251(all)), all);
    }

    void typedTextIsWrittenInWindows1251() {
        PageHarness h;
        h.config.writeLine(settingLine(QStringLiteral("name"), QStringLiteral("Вася ☺")));
        QCOMPARE(h.written(), QByteArray("name \"\xC2\xE0\xF1\xFF ?\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
