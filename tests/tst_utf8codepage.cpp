// Windows with "Use Unicode UTF-8 for worldwide language support", whose
// ANSI code page is UTF-8: this program's manifest asks it for itself, and
// Wine gives it, where setting the system's page does not.
#include "check/SaveKeyOffer.h"
#include "check/ScriptText.h"
#include "config/ConfigLines.h"
#include "config/ScriptCodePage.h"
#include "tests/support/Golden.h"

#include <QtTest>

#include <windows.h>

using namespace quelmar;

class TestUtf8CodePage : public QObject {
    Q_OBJECT

  private slots:
    // Without it, nothing below runs the UTF-8 page.
    void initTestCase() { QCOMPARE(::GetACP(), UINT(CP_UTF8)); }

    // The player's name goes out in the system's page, every character of
    // it; only half a surrogate pair has no UTF-8 of its own.
    void typedText() {
        test::PageHarness h;
        const QString name = QStringLiteral("Вася ☺ 😀");
        h.config.writeLine(settingLine(QStringLiteral("name"), name + QChar(0xD800)));
        QCOMPARE(h.written(), "name \"" + name.toUtf8() + "?\"\r\n");
        QCOMPARE(fromScriptCodePage(name.toUtf8()), name);
    }

    // Fixing key names leaves every byte of the name as it is; the check's
    // messages read a script one byte to a character, which UTF-8 is not.
    void checkAndFixKeys() {
        const QByteArray script = "name \"Вася\"\r\nbind \"Num 0\" \"+duck\"\r\n";
        const SaveKeyOffer offer = SaveKeyOffer::of(script);
        QCOMPARE(offer.fixed, QByteArray(script).replace("Num 0", "KP_INS"));
        QVERIFY(offer.question().contains(QStringLiteral("Num 0  →  KP_INS")));
        QEXPECT_FAIL("", "shownText decodes one byte at a time", Continue);
        QCOMPARE(shownText("Вася"), QStringLiteral("Вася"));
    }
};

QTEST_GUILESS_MAIN(TestUtf8CodePage)
#include "tst_utf8codepage.moc"
