#include "tests/support/Golden.h"

#include "config/Cp1251.h"
#include "ui/Language.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QWidget>
#include <QtTest>

#ifdef Q_OS_WIN
#include "tests/support/RegistrySandbox.h"
#endif

namespace quelmar::test {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray goldenBytes(const QString& name) {
    return readBytes(QStringLiteral(QUELMAR_TEST_DATA_DIR "/") + name);
}

namespace {
// Windows reads TMP first, then TEMP; the C runtime passes a change of its
// environment on to the process's own, where Windows looks.
#ifdef Q_OS_WIN
const char* const kTempVariables[] = {"TMP", "TEMP"};
#else
const char* const kTempVariables[] = {"TMPDIR"};
#endif
} // namespace

TempFolderAs::TempFolderAs(const QString& path) {
    for (const char* name : kTempVariables) {
        saved_.append(
            {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qputenv(name, QDir::toNativeSeparators(path).toLocal8Bit());
    }
}

TempFolderAs::~TempFolderAs() {
    for (const auto& [name, value] : saved_)
        value ? qputenv(name, *value) : qunsetenv(name);
}

QString fakeSteamFolder(const QString& home) {
#ifdef Q_OS_WIN
    static const RegistrySandbox registry;
    const QString steam = QDir(home).filePath(QStringLiteral("Steam"));
    registry.set(L"Software\\Valve\\Steam", L"SteamPath", steam);
#else
    const QString steam = QDir(home).filePath(QStringLiteral(".steam/steam"));
    qputenv("HOME", home.toLocal8Bit());
#endif
    QDir().mkpath(steam);
    return steam;
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += toWindows1251(line) + "\r\n";
    return out;
}

QString goldenDifference(const QByteArray& actual, const QString& name) {
    const QList<QByteArray> a = actual.split('\n'), e = goldenBytes(name).split('\n');
    qsizetype i = 0;
    while (i < a.size() && i < e.size() && a[i] == e[i])
        ++i;
    if (i == a.size() && i == e.size())
        return {};
    // QUELMAR_UPDATE_GOLDEN=1 writes what the program makes now, to be
    // looked at with git diff before it is committed.
    if (qEnvironmentVariableIsSet("QUELMAR_UPDATE_GOLDEN")) {
        QFile file(QStringLiteral(QUELMAR_TEST_DATA_DIR "/") + name);
        if (file.open(QIODevice::WriteOnly) && file.write(actual) == actual.size())
            return {};
    }
    auto shown = [i](const QList<QByteArray>& lines) {
        return i < lines.size() ? QString::fromLatin1(lines[i].toPercentEncoding(" \"/;"))
                                : "<end>";
    };
    return QStringLiteral("differs from %1 at line %2:\n  actual:   %3\n  expected: %4")
        .arg(name)
        .arg(i + 1)
        .arg(shown(a), shown(e));
}

PageHarness::PageHarness() {
    config.open(dir.filePath(QStringLiteral("page.cfg")));
}

QByteArray PageHarness::written() const {
    return readBytes(config.path());
}

QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

QStringList everyPageEntry() {
    return {"Command1", "Command5", "Command2", "Command6", "Command7", "Command8", "Command4"};
}

void walkPage(QWidget* entry, const std::function<void(QWidget*)>& check) {
    QVERIFY(entry);
    QTest::mouseClick(entry, Qt::LeftButton);
    // The page: the window beside the menu that the click showed, with its Done.
    QWidget* page = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* done = w->findChild<QPushButton*>("Command2");
        page = w != entry->window() && w->isVisible() && done && done->text() == "Done" ? w : page;
    }
    QVERIFY2(page, qPrintable("the page of " + entry->objectName()));
    if (check)
        check(page);
    QTest::mouseClick(page->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void useLanguageArgument(int& argc, char** argv) {
    Language language = Language::Russian;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--lang") != 0)
            continue;
        language = languageNamed(QString::fromLatin1(argv[i + 1])).value_or(language);
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        break;
    }
    if (!useLanguage(language))
        qFatal("the catalogues for --lang are not built in");
}

} // namespace quelmar::test
