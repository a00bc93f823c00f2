// The spin value editors and the colour editor: steps, limits, warnings,
// number texts, and the wiring of their boxes and arrows.
#include "controls/ArrowPair.h"
#include "controls/ColorEditor.h"
#include "controls/NumberText.h"
#include "controls/SpinEditor.h"
#include "tests/support/Fakes.h"

#include <QLabel>
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

void pressUp(SpinEditor& editor, int times) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(editor.arrows()->upArrow(), Qt::LeftButton);
}

void pressDown(SpinEditor& editor, int times) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(editor.arrows()->downArrow(), Qt::LeftButton);
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

  private slots:
    void numberTexts_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero tenths") << 0 << 10 << "0";
        QTest::newRow("one tenth") << 1 << 10 << "0.1";
        QTest::newRow("nine tenths") << 9 << 10 << "0.9";
        QTest::newRow("ten tenths") << 10 << 10 << "1";
        QTest::newRow("25 tenths") << 25 << 10 << "2.5";
        QTest::newRow("30 tenths") << 30 << 10 << "3";
        QTest::newRow("99 tenths") << 99 << 10 << "9.9";
        QTest::newRow("100 tenths") << 100 << 10 << "10";
        QTest::newRow("7 hundredths") << 7 << 100 << "0.07";
        QTest::newRow("50 hundredths") << 50 << 100 << "0.5";
        QTest::newRow("33 hundredths") << 33 << 100 << "0.33";
        QTest::newRow("100 hundredths") << 100 << 100 << "1";
        QTest::newRow("whole") << 400 << 1 << "400";
        QTest::newRow("whole zero") << 0 << 1 << "0";
        QTest::newRow("negative whole") << -3 << 1 << "-3";
        QTest::newRow("negative below one") << -5 << 10 << "-0.5";
        QTest::newRow("negative hundredths") << -107 << 100 << "-1.07";
    }
    void numberTexts() {
        QFETCH(int, steps);
        QFETCH(int, divisor);
        QFETCH(QString, text);
        QCOMPARE(numberText(steps, divisor), text);
    }

    void startAndLowerLimit_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("t");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("written");
        QTest::newRow("UPDW") << SpinKind::UPDW << 1 << 1.0 << "1"
                              << "1";
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << 0 << 0.0 << "0"
                               << "0";
        QTest::newRow("SEN") << SpinKind::SEN << 0 << 0.0 << "0"
                             << "0";
        QTest::newRow("Volume") << SpinKind::Volume << 0 << 0.0 << "0%"
                                << "0";
        QTest::newRow("SPEED") << SpinKind::SPEED << 400 << 400.0 << "400"
                               << "400";
        QTest::newRow("SENN") << SpinKind::SENN << 0 << 0.0 << "0"
                              << "0";
    }
    void startAndLowerLimit() {
        QFETCH(SpinKind, kind);
        QFETCH(int, steps);
        QFETCH(double, t);
        QFETCH(QString, display);
        QFETCH(QString, written);
        SpinValue v(kind);
        QCOMPARE(v.Steps(), steps);
        QCOMPARE(v.T(), t);
        QCOMPARE(v.displayText(), display);
        QCOMPARE(v.valueText(), written);

        // Walk down to the lower limit, then press twice more: nothing moves.
        for (int i = 0; i < 100; ++i)
            v.pressDown();
        const qint16 bottom = v.Steps();
        QCOMPARE(bottom, kind == SpinKind::UPDW ? 1 : 0);
        v.pressDown();
        v.pressDown();
        QCOMPARE(v.Steps(), bottom);
        QCOMPARE(v.displayText(), kind == SpinKind::UPDW     ? QStringLiteral("1")
                                  : kind == SpinKind::Volume ? QStringLiteral("0%")
                                                             : QStringLiteral("0"));
    }

    void limitWarningAndReset_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<int>("keptPresses"); // presses that stay below the limit
        QTest::addColumn<QString>("lastKept");
        QTest::addColumn<QString>("atLimit");
        QTest::addColumn<QString>("afterReset");
        QTest::addColumn<double>("resetT");
        QTest::newRow("UPDW") << SpinKind::UPDW << 20998 << "20999"
                              << "21000"
                              << "1" << 1.0;
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << 20999 << "20999"
                               << "21000"
                               << "0" << 0.0;
        QTest::newRow("SEN") << SpinKind::SEN << 99 << "9.9"
                             << "10"
                             << "0" << 0.0;
        QTest::newRow("SPEED") << SpinKind::SPEED << 39 << "790"
                               << "800"
                               << "400" << 400.0;
        QTest::newRow("SENN") << SpinKind::SENN << 99 << "9.9"
                              << "10"
                              << "0.1" << 0.1;
    }
    void limitWarningAndReset() {
        QFETCH(SpinKind, kind);
        QFETCH(int, keptPresses);
        QFETCH(QString, lastKept);
        QFETCH(QString, atLimit);
        QFETCH(QString, afterReset);
        QFETCH(double, resetT);
        SpinValue v(kind);
        for (int i = 0; i < keptPresses; ++i)
            QVERIFY2(!v.pressUp(), qPrintable(QString::number(i)));
        QCOMPARE(v.displayText(), lastKept);

        QVERIFY(v.pressUp());
        QVERIFY(v.warningOpen());
        QCOMPARE(v.displayText(), atLimit);
        // A repeat that arrives behind the box changes nothing.
        QVERIFY(!v.pressUp());
        v.pressDown();
        QCOMPARE(v.displayText(), atLimit);

        v.warningClosed();
        QVERIFY(!v.warningOpen());
        QCOMPARE(v.displayText(), afterReset);
        QCOMPARE(v.valueText(), afterReset);
        QCOMPARE(v.T(), resetT);
        v.warningClosed(); // a second close is no second reset
        QCOMPARE(v.displayText(), afterReset);
    }

    void speedKeepsMultiplesOfTen() {
        SpinValue v(SpinKind::SPEED);
        for (int i = 0; i < 39; ++i)
            v.pressDown();
        QCOMPARE(v.displayText(), QStringLiteral("10"));
        v.pressDown();
        QCOMPARE(v.displayText(), QStringLiteral("0"));
        v.pressDown();
        QCOMPARE(v.Steps(), qint16(0));
        v.pressUp();
        QCOMPARE(v.T(), 10.0);
    }

    void volumeStopsSilently() {
        SpinValue v(SpinKind::Volume);
        for (int i = 0; i < 7; ++i)
            v.pressUp();
        QCOMPARE(v.displayText(), QStringLiteral("7%"));
        QCOMPARE(v.valueText(), QStringLiteral("0.07"));
        QCOMPARE(v.T(), 0.07);
        for (int i = 7; i < 50; ++i)
            v.pressUp();
        QCOMPARE(v.valueText(), QStringLiteral("0.5"));
        for (int i = 50; i < 100; ++i)
            QVERIFY(!v.pressUp());
        QCOMPARE(v.displayText(), QStringLiteral("100%"));
        QVERIFY(!v.pressUp());
        QVERIFY(!v.warningOpen());
        QCOMPARE(v.displayText(), QStringLiteral("100%"));
        QCOMPARE(v.valueText(), QStringLiteral("1"));
    }

    void editorLook_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<int>("boxWidth");
        QTest::newRow("UPDW") << SpinKind::UPDW << 80;
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << 80;
        QTest::newRow("SEN") << SpinKind::SEN << 64;
        QTest::newRow("Volume") << SpinKind::Volume << 64;
        QTest::newRow("SPEED") << SpinKind::SPEED << 64;
        QTest::newRow("SENN") << SpinKind::SENN << 64;
    }
    void editorLook() {
        QFETCH(SpinKind, kind);
        QFETCH(int, boxWidth);
        ScriptedDialogs dialogs;
        QWidget host;
        SpinEditor editor(kind, QStringLiteral("Ed1"), dialogs, &host);
        auto* box = host.findChild<QLineEdit*>(QStringLiteral("Ed1_Text1"));
        auto* arrows = host.findChild<ArrowPair*>(QStringLiteral("Ed1_B"));
        QVERIFY(box && arrows);
        QCOMPARE(box->geometry(), QRect(0, 0, boxWidth, 24));
        QCOMPARE(arrows->geometry(), QRect(boxWidth, 0, 17, 23));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 192));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 0, 0));
        QVERIFY(box->font().bold());
        QCOMPARE(box->font().pixelSize(), 12); // 9 pt at 96 dpi
        for (const char* name : {"Ed1_B_Up", "Ed1_B_Down"}) {
            auto* arrow = host.findChild<QToolButton*>(QLatin1String(name));
            QVERIFY2(arrow, name);
            QVERIFY(arrow->autoRepeat()); // a held arrow keeps pressing
        }
        QCOMPARE(box->text(), SpinValue(kind).displayText());
    }

    void arrowsDriveTheBox() {
        ScriptedDialogs dialogs;
        QWidget host;
        SpinEditor sen(SpinKind::SEN, QStringLiteral("SEN1"), dialogs, &host);
        host.show();
        pressUp(sen, 1);
        QCOMPARE(sen.box()->text(), QStringLiteral("0.1"));
        QCOMPARE(sen.value().T(), 0.1);
        pressUp(sen, 24);
        QCOMPARE(sen.box()->text(), QStringLiteral("2.5"));
        QCOMPARE(sen.valueText(), QStringLiteral("2.5"));
        pressDown(sen, 30);
        QCOMPARE(sen.box()->text(), QStringLiteral("0"));
        QVERIFY(dialogs.asked.isEmpty());

        // Typing into the box changes nothing.
        QTest::keyClicks(sen.box(), QStringLiteral("7"));
        QCOMPARE(sen.box()->text(), QStringLiteral("0"));
        QCOMPARE(sen.valueText(), QStringLiteral("0"));
    }

    void warningBoxThroughTheArrows_data() {
        QTest::addColumn<SpinKind>("kind");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("atLimit");
        QTest::addColumn<QString>("afterReset");
        const QString fool = QStringLiteral("Дурак что ли?");
        const QString ouch = QStringLiteral("АШЫПКА");
        QTest::newRow("SPEED") << SpinKind::SPEED << 40
                               << twoLineWarning(
                                      QStringLiteral("Не может быть больше, чем у сервера"),
                                      QStringLiteral("бычно = 400 "))
                               << "Vorel"
                               << "800"
                               << "400";
        QTest::newRow("SENN") << SpinKind::SENN << 100
                              << twoLineWarning(QStringLiteral("Мне кажется больше не надо"),
                                                QStringLiteral("бычно = 5 "))
                              << "Vorel"
                              << "10"
                              << "0.1";
        QTest::newRow("SEN") << SpinKind::SEN << 100 << fool << ouch << "10"
                             << "0";
        QTest::newRow("UPDW") << SpinKind::UPDW << 20999 << fool << ouch << "21000"
                              << "1";
        QTest::newRow("UPDW0") << SpinKind::UPDW0 << 21000 << fool << ouch << "21000"
                               << "0";
    }
    void warningBoxThroughTheArrows() {
        QFETCH(SpinKind, kind);
        QFETCH(int, presses);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, atLimit);
        QFETCH(QString, afterReset);
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
        pressUp(editor, presses - 1);
        QVERIFY(dialogs.asked.isEmpty());

        pressUp(editor, 1);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].kind, AskedDialog::Message);
        QCOMPARE(dialogs.asked[0].text, text);
        QCOMPARE(dialogs.asked[0].title, title);
        QCOMPARE(shownWhileOpen, QStringList{atLimit});
        QVERIFY(!arrowHeld); // no repeat may fire behind the box
        QCOMPARE(editor.box()->text(), afterReset);
        QCOMPARE(editor.valueText(), afterReset);

        // The reset value is an ordinary value again: down from it works or stops.
        pressDown(editor, 1);
        QCOMPARE(dialogs.asked.size(), 1);
    }

    void colourSteps() {
        ColorValue c;
        QCOMPARE(QList<int>({c.R(), c.G(), c.B()}), QList<int>({235, 235, 235}));
        QList<int> reds;
        for (int i = 0; i < 7; ++i) {
            c.up(ColorValue::Red);
            reds << c.R();
        }
        QCOMPARE(reds, QList<int>({240, 245, 250, 255, 255, 255, 255}));
        for (int i = 0; i < 46; ++i)
            c.down(ColorValue::Green);
        QCOMPARE(c.G(), qint16(5));
        c.down(ColorValue::Green);
        QCOMPARE(c.G(), qint16(0));
        c.down(ColorValue::Green);
        QCOMPARE(c.G(), qint16(0));
        QCOMPARE(c.B(), qint16(235));
    }

    void colourEditorLayout() {
        QWidget host;
        ColorEditor editor(QStringLiteral("COLOR1"), &host);
        QCOMPARE(editor.size(), QSize(129, 81));
        const QList<std::tuple<QString, QString, QRect, QColor>> headings = {
            {QStringLiteral("COLOR1_Label2"), QStringLiteral("R"), QRect(2, 0, 12, 27),
             QColor(255, 0, 0)},
            {QStringLiteral("COLOR1_Label3"), QStringLiteral("G"), QRect(31, 0, 13, 27),
             QColor(128, 128, 0)},
            {QStringLiteral("COLOR1_Label1"), QStringLiteral("B"), QRect(59, 0, 12, 27),
             QColor(0, 0, 255)},
        };
        for (const auto& [name, text, rect, color] : headings) {
            auto* label = editor.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
            QCOMPARE(label->geometry(), rect);
            QCOMPARE(label->palette().color(QPalette::WindowText), color);
        }
        const QList<std::tuple<QString, QRect, QString, QRect>> columns = {
            {QStringLiteral("COLOR1_R"), QRect(0, 24, 17, 25), QStringLiteral("COLOR1_Text1"),
             QRect(0, 48, 25, 19)},
            {QStringLiteral("COLOR1_G"), QRect(28, 24, 17, 25), QStringLiteral("COLOR1_Text2"),
             QRect(24, 48, 25, 19)},
            {QStringLiteral("COLOR1_B"), QRect(56, 24, 17, 25), QStringLiteral("COLOR1_Text3"),
             QRect(51, 48, 25, 19)},
        };
        for (const auto& [arrowName, arrowRect, boxName, boxRect] : columns) {
            auto* arrows = editor.findChild<ArrowPair*>(arrowName);
            auto* box = editor.findChild<QLineEdit*>(boxName);
            QVERIFY2(arrows && box, qPrintable(arrowName));
            QCOMPARE(arrows->geometry(), arrowRect);
            QCOMPARE(box->geometry(), boxRect);
            QCOMPARE(box->text(), QStringLiteral("235"));
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->palette().color(QPalette::Text), QColor(192, 255, 255));
            // "255" fits the box whole.
            QVERIFY(box->fontMetrics().horizontalAdvance(QStringLiteral("255")) <=
                    box->contentsRect().width());
        }
        auto* swatch = editor.findChild<QWidget*>(QStringLiteral("COLOR1_Picture1"));
        QVERIFY(swatch);
        QCOMPARE(swatch->geometry(), QRect(80, 8, 41, 57));
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(235, 235, 235));
    }

    void colourArrowsMoveBoxAndSwatch() {
        QWidget host;
        ColorEditor editor(QStringLiteral("COLOR1"), &host);
        host.show();
        auto click = [&](const char* name, int times) {
            auto* arrow = editor.findChild<QToolButton*>(QLatin1String(name));
            QVERIFY2(arrow, name);
            for (int i = 0; i < times; ++i)
                QTest::mouseClick(arrow, Qt::LeftButton);
        };
        click("COLOR1_B_Down", 5);
        QCOMPARE(editor.box(ColorValue::Blue)->text(), QStringLiteral("210"));
        QCOMPARE(editor.swatch()->palette().color(QPalette::Window), QColor(235, 235, 210));

        click("COLOR1_R_Up", 10);
        click("COLOR1_G_Down", 50);
        click("COLOR1_B_Down", 41);
        QCOMPARE(editor.value().R(), qint16(255));
        QCOMPARE(editor.value().G(), qint16(0));
        QCOMPARE(editor.value().B(), qint16(5));
        QCOMPARE(editor.box(ColorValue::Red)->text(), QStringLiteral("255"));
        QCOMPARE(editor.box(ColorValue::Green)->text(), QStringLiteral("0"));
        QCOMPARE(editor.box(ColorValue::Blue)->text(), QStringLiteral("5"));
        QCOMPARE(editor.swatch()->palette().color(QPalette::Window), QColor(255, 0, 5));
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
