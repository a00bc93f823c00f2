// The five settings pages worked through their real controls, each alone and
// all at once off their defaults, by visible item text or arrow presses, the
// whole section compared; the spin and colour editors' limits and warnings.
#include "config/Cp1251.h"
#include "controls/ArrowPair.h"
#include "controls/ColorEditor.h"
#include "controls/SpinEditor.h"
#include "pages/MousePage.h"
#include "pages/OtherPage.h"
#include "pages/PlayerPage.h"
#include "pages/SoundPage.h"
#include "pages/VideoPage.h"
#include "tests/support/Golden.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

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

template <class P> PageWindow* make(const Services& s) {
    return new P(s);
}

const struct {
    PageWindow* (*make)(const Services&);
    const char* name;
    const char* golden;
} kPages[] = {
    {make<VideoPage>, "set3", "video_defaults.cfg"},
    {make<MousePage>, "SET4", "mouse_defaults.cfg"},
    {make<SoundPage>, "SET5", "sound_defaults.cfg"},
    {make<PlayerPage>, "SET6", "player_defaults.cfg"},
    {make<OtherPage>, "SET2", "other_defaults.cfg"},
};

// The rows of page_steps.txt: page name (a leading * keeps the row out of
// the page's all-at-once run), step, changes.
QList<QStringList> steps() {
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(goldenBytes("page_steps.txt")).split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows << line.split('\t');
    }
    return rows;
}

// The default section with the changes made, header included.
QByteArray expected(int page, const QStringList& changes) {
    QStringList lines = fromWindows1251(goldenBytes(kPages[page].golden)).split("\r\n");
    QStringList before = lines.mid(0, 2);
    lines = lines.mid(2, lines.size() - 3);
    for (const QString& change : changes) {
        bool indexed = false;
        const int at = change.section(':', 0, 0).toInt(&indexed);
        indexed ? void(lines[at] = change.section(':', 1)) : before.append(change);
    }
    return crlfLines(before + lines);
}

// Works one step's actions; false when a control or an item is missing.
// Item texts and typed text may hold blanks; arrow presses come in runs.
bool work(QWidget* page, const QString& step) {
    for (const QString& action : step.contains('=') ? QStringList{step} : step.split(' ')) {
        const QString name = action.section(QRegularExpression("[=*]"), 0, 0);
        const QString text = action.section('=', 1);
        auto* edit = page->findChild<QLineEdit*>(name);
        auto* list = page->findChild<QComboBox*>(name);
        auto* arrow = page->findChild<QToolButton*>(name);
        if (edit)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
        else if (list && list->findText(text) >= 0)
            list->setCurrentIndex(list->findText(text));
        else if (arrow)
            press(arrow, action.section('*', 1).toInt());
        else
            return false;
    }
    return true;
}

// Opens a page as the menu would, works it, presses Done; what it wrote.
QByteArray openWorkAndClose(PageHarness& h, int index, const QStringList& steps) {
    QPointer<PageWindow> page = kPages[index].make(h.services);
    page->show();
    for (const QString& step : steps) {
        if (!work(page, step))
            return "cannot work " + step.toUtf8();
    }
    QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!page.isNull())
        return "the page outlived its Done";
    return h.written();
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

  private slots:
    // Each control alone, then every control of a page at once, so that
    // swapped controls show too.
    void eachControl_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("expect");
        QStringList all[5], allChanges[5];
        for (const QStringList& row : steps()) {
            int p = 0;
            while (p < 4 && QString(row[0]).remove('*') != kPages[p].name)
                ++p;
            const QStringList changes = row.value(2).split('|', Qt::SkipEmptyParts);
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
                << p << QStringList{row[1]} << expected(p, changes);
            if (!row[0].startsWith('*'))
                all[p] << row[1], allChanges[p] << changes;
        }
        for (int p = 0; p < 5; ++p)
            QTest::addRow("%s all", kPages[p].name) << p << all[p] << expected(p, allChanges[p]);
    }
    void eachControl() {
        QFETCH(int, page);
        QFETCH(QStringList, steps);
        PageHarness h;
        QFETCH(QByteArray, expect);
        QCOMPARE(openWorkAndClose(h, page, steps).split('\n'), expect.split('\n'));
        QCOMPARE(h.handedBack, 1);
        QVERIFY(h.dialogs.asked.isEmpty() && h.sound.played.isEmpty());
    }

    // Control characters pasted into a name are dropped, and only they.
    void pastedControlCharacters() {
        PageHarness h;
        QPointer<PageWindow> page = new OtherPage(h.services);
        page->show();
        static const char pasted[] = "В\r\nа\0\x1b\x7f\v\f\tся!";
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted, sizeof pasted - 1));
        auto* box = page->findChild<QLineEdit*>("Text1");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text().size(), 13); // the box keeps what was pasted
        QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(h.written().contains("\r\nname \"\xC2\xE0\xF1\xFF!\"\r\n"));
    }

    // Each warning member up to its limit through real clicks on the
    // editor's arrow: the limit stands in the box while the warning is
    // open, no repeat fires behind it, the reset comes after it.
    void limitWarningAndReset() {
        const QString fool = QStringLiteral("Дурак что ли?|АШЫПКА");
        const QString speed =
            twoLineWarning(QStringLiteral("Не может быть больше, чем у сервера"), "бычно = 400 ");
        const QString senn =
            twoLineWarning(QStringLiteral("Мне кажется больше не надо"), "бычно = 5 ");
        // clang-format off
        const QList<std::tuple<SpinKind, int, QString, QString, double>> rows = {
            {SpinKind::UPDW, 20999, fool, "21000", 1}, {SpinKind::UPDW0, 21000, fool, "21000", 0},
            {SpinKind::SEN, 100, fool, "10", 0}, {SpinKind::SPEED, 40, speed + "|Vorel", "800", 400},
            {SpinKind::SENN, 100, senn + "|Vorel", "10", 0.1}};
        // clang-format on
        for (const auto& [kind, presses, warning, atLimit, reset] : rows) {
            ScriptedDialogs dialogs;
            QWidget host;
            SpinEditor editor(kind, QStringLiteral("Ed"), dialogs, &host);
            host.show();
            auto* up = editor.findChild<QToolButton*>(QStringLiteral("Ed_B_Up"));
            QStringList shownWhileOpen;
            bool arrowHeld = true;
            dialogs.whileMessageOpen = [&](const AskedDialog&) {
                shownWhileOpen << editor.box()->text();
                arrowHeld = up->isDown();
            };
            press(up, presses - 1);
            QVERIFY(dialogs.asked.isEmpty());
            press(up, 1);
            QCOMPARE(dialogs.asked.size(), 1);
            QCOMPARE(dialogs.asked[0].text + "|" + dialogs.asked[0].title, warning);
            QCOMPARE(shownWhileOpen, QStringList{atLimit});
            QVERIFY(!arrowHeld); // no repeat may fire behind the box
            QCOMPARE(editor.box()->text() + "|" + editor.valueText(),
                     QString::number(reset) + "|" + QString::number(reset));
            const QString shown = editor.box()->text();
            QTest::keyClicks(editor.box(), QStringLiteral("7")); // typing changes nothing
            QCOMPARE(editor.box()->text(), shown);
        }
    }

    // Steps of 5, held at 255 and 0, and the swatch following.
    void colourArrowsMoveBoxAndSwatch() {
        QWidget host;
        ColorEditor editor(QStringLiteral("COLOR1"), &host);
        host.show();
        auto arrow = [&](const char* name) {
            return editor.findChild<QToolButton*>(QLatin1String(name));
        };
        auto shown = [&] {
            QStringList boxes;
            for (auto c : {ColorValue::Red, ColorValue::Green, ColorValue::Blue})
                boxes << editor.box(c)->text();
            return boxes.join(' ') + " / " +
                   editor.swatch()->palette().color(QPalette::Window).name();
        };
        press(arrow("COLOR1_R_Up"), 10);
        press(arrow("COLOR1_G_Down"), 50);
        press(arrow("COLOR1_B_Down"), 46);
        QCOMPARE(shown(), QStringLiteral("255 0 5 / #ff0005"));
        // "255" fits its box whole.
        QVERIFY(editor.box(ColorValue::Red)->fontMetrics().horizontalAdvance("255") <=
                editor.box(ColorValue::Red)->contentsRect().width());
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
