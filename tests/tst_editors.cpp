// The spin value editors and the colour editor: steps, limits, warnings,
// number texts, and the wiring of their boxes and arrows.
#include "controls/ArrowPair.h"
#include "controls/ColorEditor.h"
#include "controls/NumberText.h"
#include "controls/SpinEditor.h"
#include "tests/support/Fakes.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

Q_DECLARE_METATYPE(quelmar::SpinKind)

namespace {

// The warnings as the player reads them, put together from their parts so
// that a lost carriage return or a Cyrillic "О" shows up.
QString twoLineWarning(const QString& first, const QString& second) {
    return first + QChar(13) + QChar(0x4F) + second;
}

void press(QAbstractButton* arrow, int times) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(arrow, Qt::LeftButton);
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

  private slots:
    void numberTexts() {
        // clang-format off
        const QList<std::tuple<int, int, QString>> rows = {
            {0, 10, "0"}, {1, 10, "0.1"}, {10, 10, "1"}, {25, 10, "2.5"}, {100, 10, "10"},
            {7, 100, "0.07"}, {33, 100, "0.33"}, {100, 100, "1"}, {400, 1, "400"},
            {-5, 10, "-0.5"}, {-107, 100, "-1.07"}};
        // clang-format on
        for (const auto& [steps, divisor, text] : rows)
            QCOMPARE(numberText(steps, divisor), text);
    }

    // Where each member starts, where its down arrow stops, and one step up
    // from there (SPEED keeps to multiples of ten all the way).
    void startAndLowerLimit_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<QString>("bottom"); // what the box shows at the lower limit
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("oneUp"); // and one press up from there
        QTest::newRow("UPDW") << SpinKind::UPDW << "1" << 1 << "2";
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << "0" << 0 << "1";
        QTest::newRow("SEN") << SpinKind::SEN << "0" << 0 << "0.1";
        QTest::newRow("Volume") << SpinKind::Volume << "0%" << 0 << "1%";
        QTest::newRow("SPEED") << SpinKind::SPEED << "0" << 400 << "10"; // multiples of ten
        QTest::newRow("SENN") << SpinKind::SENN << "0" << 0 << "0.1";
    }
    void startAndLowerLimit() {
        QFETCH(SpinKind, kind);
        QFETCH(QString, bottom);
        QFETCH(int, start);
        QFETCH(QString, oneUp);
        SpinValue v(kind);
        QCOMPARE(v.Steps(), start);
        QCOMPARE(v.T(), double(start));
        QCOMPARE(v.valueText(), QString::number(start));
        for (int i = 0; i < 102; ++i) // two presses and more past the limit
            v.pressDown();
        QCOMPARE(v.Steps(), kind == SpinKind::UPDW ? 1 : 0);
        QCOMPARE(v.displayText(), bottom);
        v.pressUp();
        QCOMPARE(v.displayText(), oneUp);
    }

    // Each warning member up to its limit, in the logic and through real
    // clicks on the editor's arrow: the limit stands in the box while the
    // warning is open, the reset comes after it.
    void limitWarningAndReset_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("atLimit");
        QTest::addColumn<double>("reset");
        const QString fool = QStringLiteral("Дурак что ли?"), ouch = QStringLiteral("АШЫПКА"),
                      vorel = QStringLiteral("Vorel");
        const QString speed = twoLineWarning(QStringLiteral("Не может быть больше, чем у сервера"),
                                             QStringLiteral("бычно = 400 "));
        const QString senn = twoLineWarning(QStringLiteral("Мне кажется больше не надо"),
                                            QStringLiteral("бычно = 5 "));
        QTest::newRow("UPDW") << SpinKind::UPDW << 20999 << fool << ouch << "21000" << 1.0;
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << 21000 << fool << ouch << "21000" << 0.0;
        QTest::newRow("SEN") << SpinKind::SEN << 100 << fool << ouch << "10" << 0.0;
        QTest::newRow("SPEED") << SpinKind::SPEED << 40 << speed << vorel << "800" << 400.0;
        QTest::newRow("SENN") << SpinKind::SENN << 100 << senn << vorel << "10" << 0.1;
    }
    void limitWarningAndReset() {
        QFETCH(SpinKind, kind);
        QFETCH(int, presses);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, atLimit);
        QFETCH(double, reset);
        SpinValue v(kind);
        for (int i = 1; i < presses; ++i)
            QVERIFY2(!v.pressUp(), qPrintable(QString::number(i)));
        QVERIFY(v.pressUp());
        QVERIFY(v.warningOpen());
        QCOMPARE(v.displayText(), atLimit);
        // A repeat that arrives behind the box changes nothing.
        QVERIFY(!v.pressUp());
        v.pressDown();
        QCOMPARE(v.displayText(), atLimit);
        v.warningClosed();
        QVERIFY(!v.warningOpen());
        QCOMPARE(v.T(), reset);
        QCOMPARE(v.valueText(), QString::number(reset));
        v.warningClosed(); // a second close is no second reset
        QCOMPARE(v.T(), reset);

        ScriptedDialogs dialogs;
        QWidget host;
        SpinEditor editor(kind, QStringLiteral("Ed"), dialogs, &host);
        host.show();
        QStringList shownWhileOpen;
        bool arrowHeld = true;
        dialogs.whileMessageOpen = [&](const AskedDialog&) {
            shownWhileOpen << editor.box()->text();
            arrowHeld = editor.arrows()->upArrow()->isDown();
        };
        press(editor.arrows()->upArrow(), presses - 1);
        QVERIFY(dialogs.asked.isEmpty());
        press(editor.arrows()->upArrow(), 1);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].kind, AskedDialog::Message);
        QCOMPARE(dialogs.asked[0].text, text);
        QCOMPARE(dialogs.asked[0].title, title);
        QCOMPARE(shownWhileOpen, QStringList{atLimit});
        QVERIFY(!arrowHeld); // no repeat may fire behind the box
        QCOMPARE(editor.box()->text(), QString::number(reset));
        QCOMPARE(editor.valueText(), QString::number(reset));
        press(editor.arrows()->downArrow(), 1); // an ordinary value again
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(editor.arrows()->upArrow()->autoRepeat()); // a held arrow keeps pressing
        const QString shown = editor.box()->text();
        QTest::keyClicks(editor.box(), QStringLiteral("7")); // typing changes nothing
        QCOMPARE(editor.box()->text(), shown);
    }

    void volumeStopsSilently() {
        SpinValue v(SpinKind::Volume);
        for (int i = 0; i < 101; ++i)
            QVERIFY(!v.pressUp());
        QVERIFY(!v.warningOpen());
        QCOMPARE(v.displayText(), QStringLiteral("100%"));
        QCOMPARE(v.valueText(), QStringLiteral("1"));
        for (int i = 0; i < 93; ++i)
            v.pressDown();
        QCOMPARE(v.displayText(), QStringLiteral("7%"));
        QCOMPARE(v.valueText(), QStringLiteral("0.07"));
    }

    // Steps of 5, held at 255 and 0, and the swatch following.
    void colourArrowsMoveBoxAndSwatch() {
        QWidget host;
        ColorEditor editor(QStringLiteral("COLOR1"), &host);
        host.show();
        auto arrow = [&](const char* name) {
            return editor.findChild<QToolButton*>(QLatin1String(name));
        };
        QCOMPARE(editor.box(ColorValue::Green)->text(), QStringLiteral("235"));
        QCOMPARE(editor.swatch()->palette().color(QPalette::Window), QColor(235, 235, 235));
        press(arrow("COLOR1_B_Down"), 5);
        QCOMPARE(editor.box(ColorValue::Blue)->text(), QStringLiteral("210"));
        QCOMPARE(editor.swatch()->palette().color(QPalette::Window), QColor(235, 235, 210));
        press(arrow("COLOR1_R_Up"), 10);
        press(arrow("COLOR1_G_Down"), 50);
        press(arrow("COLOR1_B_Down"), 41);
        QCOMPARE(editor.box(ColorValue::Red)->text(), QStringLiteral("255"));
        QCOMPARE(editor.box(ColorValue::Green)->text(), QStringLiteral("0"));
        QCOMPARE(editor.box(ColorValue::Blue)->text(), QStringLiteral("5"));
        QCOMPARE(editor.swatch()->palette().color(QPalette::Window), QColor(255, 0, 5));
        // "255" fits its box whole.
        QVERIFY(editor.box(ColorValue::Red)->fontMetrics().horizontalAdvance("255") <=
                editor.box(ColorValue::Red)->contentsRect().width());
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
