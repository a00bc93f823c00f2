// The five settings pages: the sections they write (as pure functions of the
// player's choices and through the real windows), and that every close writes
// exactly once.
#include "config/Cp1251.h"
#include "pages/MousePage.h"
#include "pages/OtherPage.h"
#include "pages/PlayerPage.h"
#include "pages/SoundPage.h"
#include "pages/VideoPage.h"
#include "tests/support/Golden.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <functional>

// Choices are written with designated initializers: what a row leaves out
// keeps the value the page opens with.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace quelmar;
using namespace quelmar::test;

namespace {

// Golden lines replaced, each written "index:line".
using Changes = QStringList;

struct PageCase {
    std::function<PageWindow*(Services&)> make;
    QString objectName;
    QString entry;
    QSize size;
    QString golden;
};

template <class P>
PageCase page(const char* name, const char* entry, QSize size, const char* golden) {
    return {[](Services& s) -> PageWindow* { return new P(s); }, name, entry, size, golden};
}

const QList<PageCase>& pages() {
    static const QList<PageCase> cases = {
        page<VideoPage>("set3", "Command5", {494, 345}, "video_defaults.cfg"),
        page<MousePage>("SET4", "Command6", {374, 266}, "mouse_defaults.cfg"),
        page<SoundPage>("SET5", "Command7", {422, 194}, "sound_defaults.cfg"),
        page<PlayerPage>("SET6", "Command8", {478, 202}, "player_defaults.cfg"),
        page<OtherPage>("SET2", "Command4", {466, 554}, "other_defaults.cfg"),
    };
    return cases;
}

// The golden section's lines after its empty line and header, some of them
// replaced by index and the typed-name lines put before them, as bytes.
QByteArray expected(const QString& golden, const Changes& changes, const QStringList& before) {
    QStringList lines = fromWindows1251(goldenBytes(golden)).split(QStringLiteral("\r\n"));
    lines = lines.mid(2, lines.size() - 3);
    for (const QString& change : changes)
        lines[change.section(':', 0, 0).toInt()] = change.section(':', 1);
    return crlfLines(before + lines);
}

// The one child of that name; fails the test when there is none or more.
template <class T> T* only(QWidget* parent, const QString& name) {
    const QList<T*> found = parent->findChildren<T*>(name);
    if (found.size() != 1)
        qWarning("%lld children named %s", qlonglong(found.size()), qPrintable(name));
    return found.size() == 1 ? found.first() : nullptr;
}

// Works a page from a little script of real events: "SEN1_B_Up*3" clicks an
// arrow three times, "Combo2:Up" presses a key in a list or box.
void work(QWidget* page, const QString& script) {
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step.contains(':'))
            QTest::keyClick(only<QWidget>(page, step.section(':', 0, 0)),
                            QKeySequence(step.section(':', 1))[0].key());
        for (int i = 0; i < step.section('*', 1).toInt(); ++i)
            QTest::mouseClick(only<QToolButton>(page, step.section('*', 0, 0)), Qt::LeftButton);
    }
}

// Opens a page as the main menu would, lets the test work it, presses Done
// and hands back what the page wrote.
QByteArray openWorkAndClose(PageHarness& h, const PageCase& c,
                            const std::function<void(PageWindow*)>& steps = {}) {
    QPointer<PageWindow> page = c.make(h.services);
    page->show();
    if (steps)
        steps(page);
    QTest::mouseClick(only<QPushButton>(page, QStringLiteral("Command2")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!page.isNull())
        qWarning("the page outlived its Done");
    return h.written();
}

} // namespace

Q_DECLARE_METATYPE(PageCase)

class TestPages : public QObject {
    Q_OBJECT

    static void addPageRows() {
        QTest::addColumn<PageCase>("page");
        for (const PageCase& c : pages())
            QTest::newRow(qPrintable(c.objectName)) << c;
    }

    static void row(const char* name, const QStringList& lines, int page, const Changes& changes,
                    const QStringList& before = {}) {
        QTest::newRow(name) << crlfLines(lines) << expected(pages()[page].golden, changes, before);
    }

  private slots:
    // ---- the sections as functions of the choices ----

    void sections_data() {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("expect");
        row("smoke realism 2", videoSectionLines({.smokeRealism = 2}), 0, {"9:fastsprites \"2\""});
        row("3DFX", videoSectionLines({.renderer = 0}), 0, {"12:gl_lightholes \"0\""});
        row("no blood", videoSectionLines({.blood = 0}), 0,
            {"10:violence_ablood \"0\"", "11:violence_hblood \"0\""});
        row("pitch not reversed", mouseSectionLines({.reversePitch = 0}), 1,
            {"3:m_pitch \"0.022\""});
        row("yaw reversed", mouseSectionLines({.reverseYaw = 1}), 1, {"4:m_yaw \"-0.022\""});
        row("no mouse look", mouseSectionLines({.mouseLook = 0}), 1, {"6:-mlook"});
        row("3D effects on", soundSectionLines({.effects3d = 1}), 2,
            {"4:s_a3d \"1\"", "5:s_eax \"1\"", "6:s_geometry \"1\""});
        row("no 16-bit sound", soundSectionLines({.sound16Bit = 1}), 2, {"2:loadas8bit \"1\""});
        row("speeds forward, back, side",
            playerSectionLines({.backSpeed = "320", .forwardSpeed = "790", .sideSpeed = "0"}), 3,
            {"3:cl_forwardspeed \"790\"", "4:cl_backspeed \"320\"", "5:cl_sidespeed \"0\""});
        row("bob off keeps bobup and bobcycle", playerSectionLines({.bobbing = 0}), 3,
            {"0:cl_bob \"0\""});
        row("radar off", otherSectionLines({.radar = 0}), 4, {"7:hideradar"});
        row("radar on", otherSectionLines({.radar = 1}), 4, {"7:drawradar"});
        row("graphic menus", otherSectionLines({.menuStyle = 1}), 4,
            {"13:setinfo _vgui_menus \"1\""});
        row("colour 255 0 5", otherSectionLines({.red = 255, .green = 0, .blue = 5}), 4,
            {"15:con_color \"255 0 5\""});
        row("name of one blank", otherSectionLines({.name = " "}), 4, {}, {"name \" \""});
        row("one ? per code point outside the code page, server name as typed",
            otherSectionLines({.name = "Вася\u00e9\U0001F600", .hostname = "x\"y"}), 4, {},
            {"name \"Вася??\"", "hostname \"x\"y\""});
        row("pasted line breaks dropped", otherSectionLines({.name = "Ва\r\nся", .hostname = "\n"}),
            4, {}, {"name \"Вася\""});
        const QStringList rates = {"0", "1500", "2500", "3400", "4200", "5000", "6000", "20000"};
        for (int i = -1; i < rates.size(); ++i) {
            const QString rate = QStringLiteral("rate \"%1\"").arg(rates.value(i, "0"));
            QTest::addRow("connection %d", i) << crlfLines(otherSectionLines({.connection = i}))
                                              << expected("other_defaults.cfg", {"12:" + rate}, {});
        }
    }
    void sections() {
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, expect);
        QCOMPARE(written, expect);
    }

    // ---- the windows ----

    void defaultsWrittenOnDone_data() { addPageRows(); }
    void defaultsWrittenOnDone() {
        QFETCH(PageCase, page);
        PageHarness h;
        const QByteArray written = openWorkAndClose(h, page, [&](PageWindow* window) {
            QCOMPARE(window->objectName(), page.objectName);
            QCOMPARE(window->size(), page.size);
            // Every caption and the heading lie inside the window.
            for (QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(window->rect().contains(label->geometry()), qPrintable(label->text()));
        });
        QUELMAR_COMPARE_GOLDEN(written, page.golden);
        QCOMPARE(h.menu.returned, QStringList{page.entry});
        QVERIFY(h.dialogs.asked.isEmpty());
        QVERIFY(h.sound.played.isEmpty());
    }

    void anyCloseWritesOnce_data() { addPageRows(); }
    void anyCloseWritesOnce() {
        QFETCH(PageCase, page);
        PageHarness h;
        QPointer<PageWindow> window = page.make(h.services);
        window->show();
        QVERIFY(h.written().isEmpty()); // nothing before the page goes
        window->close();                // as the window manager would
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QUELMAR_COMPARE_GOLDEN(h.written(), page.golden);
        QCOMPARE(h.menu.returned, QStringList{page.entry});
    }

    // ---- real events: each control reaches its own line ----

    void worked_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("expect");
        QTest::addColumn<int>("warnings");
        auto add = [](const char* name, int page, const char* script, const Changes& changes,
                      int warnings, const QStringList& before = {}) {
            QTest::newRow(name) << page << script << expected(pages()[page].golden, changes, before)
                                << warnings;
        };
        // Video: the lowest smoke realism, 3DFX, no blood.
        add("video", 0,
            "UPDW1_B_Up*3 UPDW03_B_Up*2 UPDW03_B_Down*5 Combo6:End Combo8:Home Combo7:Up",
            {"0:gamma \"4\"", "9:fastsprites \"2\"", "10:violence_ablood \"0\"",
             "11:violence_hblood \"0\"", "12:gl_lightholes \"0\""},
            0);
        // Mouse: SEN2 to its limit is warned and reset.
        add("mouse", 1, "SEN1_B_Up*25 SEN2_B_Up*100 Combo2:Up Combo3:Down Combo5:Home",
            {"0:sensitivity \"2.5\"", "3:m_pitch \"0.022\"", "4:m_yaw \"-0.022\"", "6:-mlook"}, 1);
        // Sound: Volume2 stops at 100 % without a word.
        add("sound", 2, "Volume1_B_Up*50 Volume2_B_Up*105 Combo2:Down Combo3:Down Combo4:Up",
            {"0:volume \"0.5\"", "2:loadas8bit \"1\"", "3:bgmvolume \"1\"", "4:s_a3d \"1\"",
             "5:s_eax \"1\"", "6:s_geometry \"1\""},
            0);
        // Player: SPEED2 to 800 is warned and reset to 400.
        add("player", 3, "SPEED1_B_Down*8 SPEED2_B_Up*40 SPEED3_B_Up*39 Combo1:Up Combo3:Up",
            {"0:cl_bob \"0\"", "4:cl_backspeed \"320\"", "5:cl_sidespeed \"790\"",
             "6:cl_righthand \"0\""},
            1);
        add("other, a name of one blank", 4, "Text1:Space", {}, 0, {"name \" \""});
    }
    void worked() {
        QFETCH(int, page);
        QFETCH(QString, script);
        QFETCH(QByteArray, expect);
        QFETCH(int, warnings);
        PageHarness h;
        const QByteArray written =
            openWorkAndClose(h, pages()[page], [&](PageWindow* p) { work(p, script); });
        const QByteArray header = goldenBytes(pages()[page].golden);
        QCOMPARE(written, header.left(header.indexOf("\r\n", 2) + 2) + expect);
        QCOMPARE(h.dialogs.asked.size(), warnings);
    }

    void otherWorked() {
        PageHarness h;
        const QByteArray written = openWorkAndClose(h, pages()[4], [](PageWindow* p) {
            auto* name = only<QLineEdit>(p, "Text1");
            // Typed as key presses, Cyrillic included, as a keyboard layout would.
            for (QChar c : QStringLiteral("Вася"))
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            name->insert(QStringLiteral("😀")); // as a paste would bring it
            QTest::keyClicks(only<QLineEdit>(p, "Text2"), QStringLiteral("Server #1"));
            // SENN2 to its limit is warned and reset to 0.1; LAN to ISDN.
            work(p, "senn1_B_Up*3 SENN2_B_Up*100 Combo4:Up Combo9:Up Combo9:Up Combo10:End "
                    "COLOR1_R_Up*5 COLOR1_G_Down*47 COLOR1_B_Down*46");
        });
        QCOMPARE(h.dialogs.asked.size(), 1);
        QUELMAR_COMPARE_GOLDEN(written, "other_changed.cfg");
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
