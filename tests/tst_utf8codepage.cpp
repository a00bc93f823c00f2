// Windows' "Use Unicode UTF-8 for worldwide language support": the ANSI page is
// UTF-8, which this program's manifest asks for itself (as Wine honours).
#include "check/SaveKeyOffer.h"
#include "check/ScriptText.h"
#include "config/ConfigLines.h"
#include "config/ScriptCodePage.h"
#include "platform/Console.h"
#include "tests/support/Golden.h"

#include <QtTest>

#include <windows.h>

using namespace quelmar;

class TestUtf8CodePage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(::GetACP(), UINT(CP_UTF8)); }

    // The name goes out whole but for half a surrogate pair, and fixing key
    // names keeps its bytes; the check's messages read a byte as a character.
    void typedTextAndTheCheck() {
        test::PageHarness h;
        const QString name = QStringLiteral("Вася ☺ 😀");
        h.config.writeLine(settingLine(QStringLiteral("name"), name + QChar(0xD800)));
        QCOMPARE(h.written(), "name \"" + name.toUtf8() + "?\"\r\n");
        QCOMPARE(fromScriptCodePage(name.toUtf8()), name);
        const QByteArray script = h.written() + "bind \"Num 0\" \"+duck\"\r\n";
        QCOMPARE(SaveKeyOffer::of(script).fixed, QByteArray(script).replace("Num 0", "KP_INS"));
        QEXPECT_FAIL("", "shownText decodes one byte at a time", Continue);
        QCOMPARE(shownText(name.toUtf8()), name);
    }
};

int main(int argc, char** argv) {
    // "--say TEXT": the text as this program writes it to a console, a file
    // or a pipe (CTest runs it through a pipe).
    if (const QStringList a = programArguments(argc, argv); a.value(1) == "--say") {
        QTextStream(consoleDevice(stdout).get()) << a.value(2) << '\n';
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestUtf8CodePage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_utf8codepage.moc"
