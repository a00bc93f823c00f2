// The flame: its generator, the heat field's rules, a known run of frames,
// and the widget that runs it on the main menu.
#include "app/FireBuffer.h"
#include "app/FlameView.h"
#include "app/MainMenu.h"
#include "tests/support/Golden.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

namespace {

QColor rgbOf(std::uint32_t argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// FNV-1a over the picture, a stable fingerprint of every pixel.
quint64 fingerprint(const FireBuffer::Picture& picture) {
    quint64 h = 1469598103934665603ull;
    for (std::uint32_t px : picture) {
        for (int i = 0; i < 4; ++i) {
            h ^= (px >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    }
    return h;
}

} // namespace

class TestFlame : public QObject {
    Q_OBJECT

  private slots:
    void generatorIsTheUnseededBasicSequence() {
        BasicRandom r;
        QCOMPARE(r.next(), 0.7055475115776062f);
        QCOMPARE(r.next(), 0.5334240198135376f);
        QCOMPARE(r.next(), 0.5795186161994934f);
        BasicRandom again;
        QCOMPARE(again.next(), 0.7055475115776062f); // every run the same
    }

    void integerShortcutsMatchTheFloatingPointRules() {
        // Every one of the 2^24 raw values: floor(3r) and x + round(2r) done
        // in single precision agree with the integer forms the frame uses.
        for (std::uint32_t raw = 0; raw < (1u << 24); ++raw) {
            const float r = float(raw) / 16777216.0f;
            if (int(3.0f * r) != int((3u * raw) >> 24))
                QFAIL(qPrintable(QStringLiteral("floor(3r) differs at %1").arg(raw)));
            if (FireBuffer::pixelColumn(0, r) != FireBuffer::pixelColumnOfRaw(0, raw))
                QFAIL(qPrintable(QStringLiteral("column differs at %1").arg(raw)));
        }
    }

    void seeding() {
        FireBuffer fire;
        fire.setHeat(10, 10, 7);
        fire.seed();
        for (int y = 0; y < FireBuffer::kRows; ++y)
            for (int x = 0; x < FireBuffer::kColumns; ++x)
                QCOMPARE(int(fire.heat(x, y)), y >= 46 ? 50 : 0);
    }

    void coolingNeverGoesBelowZero_data() {
        QTest::addColumn<int>("heat");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("after");
        QTest::newRow("1 by 2 stays 1") << 1 << 2 << 1;
        QTest::newRow("0 by 1 stays 0") << 0 << 1 << 0;
        QTest::newRow("2 by 2 is 0") << 2 << 2 << 0;
        QTest::newRow("50 by 1") << 50 << 1 << 49;
        QTest::newRow("7 by 0") << 7 << 0 << 7;
    }
    void coolingNeverGoesBelowZero() {
        QFETCH(int, heat);
        QFETCH(int, k);
        QFETCH(int, after);
        QCOMPARE(int(FireBuffer::cooled(std::uint8_t(heat), k)), after);
    }

    void colours_data() {
        QTest::addColumn<int>("heat");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("cold") << 0 << QColor(0, 0, 0);
        QTest::newRow("hottest") << 50 << QColor(255, 255, 128);
        QTest::newRow("c 5, blue 2.5 to 2") << 1 << QColor(10, 5, 2);
        QTest::newRow("c 15, blue 7.5 to 8") << 3 << QColor(30, 15, 8);
        QTest::newRow("c 250, red clamped") << 49 << QColor(255, 250, 125);
        QTest::newRow("c 122") << 24 << QColor(244, 122, 61);
        QTest::newRow("c 128, red 256 clamped") << 25 << QColor(255, 128, 64);
    }
    void colours() {
        QFETCH(int, heat);
        QFETCH(QColor, colour);
        QCOMPARE(rgbOf(FireBuffer::colourOf(std::uint8_t(heat))), colour);
    }

    void pixelColumns() {
        QCOMPARE(FireBuffer::pixelColumn(200, 0.99f), 202); // inside the 207-pixel strip
        QCOMPARE(FireBuffer::pixelColumn(5, 0.0f), 5);
        QCOMPARE(FireBuffer::pixelColumn(5, 0.25f), 5); // 0.5 goes to even 0
        QCOMPARE(FireBuffer::pixelColumn(5, 0.5f), 6);
        QCOMPARE(FireBuffer::pixelColumn(5, 0.75f), 7); // 1.5 goes to even 2
        QCOMPARE(FireBuffer::pixelColumn(5, 0.74f), 6);
    }

    void firstFrame() {
        FireBuffer fire;
        BasicRandom random;
        FireBuffer::Picture picture;
        picture.fill(0xFF000000u);
        fire.frame(random, picture);

        // Fuel rows are hot again; rows 0 and 1 never receive anything.
        for (int x = 0; x < FireBuffer::kColumns; ++x) {
            QCOMPARE(int(fire.heat(x, 46)), 50);
            QCOMPARE(int(fire.heat(x, 0)), 0);
            QCOMPARE(int(fire.heat(x, 1)), 0);
        }
        // Above the fuel, heat only arrives by rise copies from one or two
        // rows below in the same column, already cooled: a lit cell always
        // has a source below it at least as hot.
        int lit = 0;
        for (int y = 2; y < 46; ++y) {
            for (int x = 0; x < FireBuffer::kColumns; ++x) {
                const int h = fire.heat(x, y);
                lit += h > 0;
                if (h > 0)
                    QVERIFY(qMax(fire.heat(x, y + 1), fire.heat(x, y + 2)) >= h);
            }
        }
        QVERIFY(lit > 0);
        // Rows 0 to 3 of the picture are never drawn.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < FireBuffer::kPictureWidth; ++x)
                QCOMPARE(picture[y * FireBuffer::kPictureWidth + x], 0xFF000000u);
        // The bottom row is drawn near the hottest colour.
        int hottest = 0;
        for (int x = 0; x < FireBuffer::kPictureWidth; ++x)
            hottest += rgbOf(picture[50 * FireBuffer::kPictureWidth + x]) == QColor(255, 255, 128);
        QVERIFY(hottest > 20);
        // Columns 205 and 206 are never drawn, 203 and 204 neither.
        for (int y = 0; y < FireBuffer::kPictureHeight; ++y)
            QCOMPARE(picture[y * FireBuffer::kPictureWidth + 203], 0xFF000000u);
    }

    void knownRunOfFrames() {
        // 240 frames from a fresh start, as every run of the program shows them.
        FireBuffer fire;
        BasicRandom random;
        FireBuffer::Picture picture;
        picture.fill(0xFF000000u);
        for (int i = 0; i < 240; ++i)
            fire.frame(random, picture);
        QCOMPARE(fingerprint(picture), quint64(6727262832129257838ull));
    }

    void runsOnTheMenuAndGoesOnWhileItIsHidden() {
        QTemporaryDir tmp;
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, {});
        QVERIFY(menu.load(nullptr));
        FlameView* flame = menu.flame();
        QVERIFY(!flame->isRunning());
        menu.show();
        QTRY_VERIFY(flame->isRunning()); // Timer2 pressed Command9
        QTRY_VERIFY(flame->frameCount() > 3);
        QCOMPARE(flame->image().size(), QSize(207, 57));
        menu.hide();
        const int before = flame->frameCount();
        QTRY_VERIFY(flame->frameCount() > before + 3);
        flame->start(); // a second start changes nothing
        QVERIFY(flame->isRunning());
    }
};

QTEST_MAIN(TestFlame)
#include "tst_flame.moc"
