// The five embedded cues and the player that starts them.
#include "platform/QtSoundCue.h"
#include "platform/WavFormat.h"
#include "resources/Assets.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace quelmar;

class TestSound : public QObject {
    Q_OBJECT

  private slots:
    void cueFormats_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("seconds");
        QTest::newRow("1 listen") << 1 << 1 << 22050 << 8 << 0.35;
        QTest::newRow("2 lock") << 2 << 1 << 22050 << 8 << 0.33;
        QTest::newRow("3 refuse") << 3 << 2 << 22050 << 16 << 1.10;
        QTest::newRow("4 open/save") << 4 << 2 << 22050 << 8 << 0.30;
        QTest::newRow("5 about") << 5 << 1 << 11025 << 8 << 1.47;
    }
    void cueFormats() {
        QFETCH(int, id);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(double, seconds);
        const QByteArray image = assetBytes(QStringLiteral("sounds/cue%1.wav").arg(id));
        QVERIFY(!image.isEmpty());
        const auto wav = parseWav(image);
        QVERIFY(wav.has_value());
        QCOMPARE(wav->channels, channels);
        QCOMPARE(wav->sampleRate, rate);
        QCOMPARE(wav->bitsPerSample, bits);
        // Within one sample of the promised length.
        QVERIFY2(qAbs(wav->seconds() - seconds) <= 1.0 / rate,
                 qPrintable(QString::number(wav->seconds(), 'f', 6)));
        QCOMPARE(wav->dataOffset + wav->dataSize + (wav->dataSize & 1), image.size()); // pad byte
        // Not silence: a cue nobody can hear confirms nothing.
        const QByteArray data = image.mid(wav->dataOffset, wav->dataSize);
        QVERIFY(data.count(data.at(0)) < data.size() / 2);
    }

    void parserRefusesWhatIsNotPcmWave() {
        QVERIFY(!parseWav(QByteArray()).has_value());
        QVERIFY(!parseWav(QByteArray("RIFF\0\0\0\0WAVX", 12)).has_value());
        QByteArray image = assetBytes(QStringLiteral("sounds/cue1.wav"));
        QVERIFY(parseWav(image).has_value());
        QVERIFY(!parseWav(image.left(40)).has_value()); // data chunk cut short
        image[20] = 3;                                  // format tag: IEEE float
        QVERIFY(!parseWav(image).has_value());
    }

    void playingNeverStallsWithoutAnAudioDevice() {
        // CI has no sound card; a cue must still return at once, and a second
        // cue right after the first must cut it without trouble.
        QtSoundCue cue;
        QElapsedTimer clock;
        clock.start();
        for (int id = 1; id <= 5; ++id)
            cue.play(id);
        cue.play(4);
        cue.play(4);
        QCoreApplication::processEvents();
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        cue.play(99); // an id that does not exist is a no-op
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
