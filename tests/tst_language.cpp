// The windows' language: which one the program picks, and that the scripts
// do not change with it. CTest runs this once with --lang ru and once with
// --lang en, under the same locale.
#include "app/MainMenu.h"
#include "app/MenuEntry.h"
#include "config/TempConfigFile.h"
#include "tests/support/Golden.h"
#include "ui/Language.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using namespace quelmar;
using namespace quelmar::test;

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    // --lang, then the variable, then the system's languages.
    void choice_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<bool>("russian");
        const QStringList ru{"ru-RU", "ru"}, en{"en-US", "en"};
        const std::tuple<const char*, const char*, const char*, QStringList, bool> rows[] = {
            {"option over all", "en", "ru", ru, false},
            {"option in capitals", "RU", "", en, true},
            {"variable over the system", "", "en", ru, false},
            {"variable of no language", "", "de", ru, true},
            {"Russian system", "", "", ru, true},
            {"Ukrainian system", "", "", {"uk-UA"}, true},
            {"Belarusian system", "", "", {"be-BY", "be"}, true},
            {"German then Russian", "", "", {"de-DE", "ru-RU"}, true},
            {"English system", "", "", en, false},
            {"Kazakh system", "", "", {"kk-KZ"}, false},
            {"none at all", "", "", {}, false},
        };
        for (const auto& [name, option, variable, system, russian] : rows)
            QTest::newRow(name) << QString(option) << QString(variable) << system << russian;
    }
    void choice() {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(QStringList, system);
        QFETCH(bool, russian);
        QCOMPARE(chooseLanguage(option, variable, system) == Language::Russian, russian);
    }

    // The system's own list, as the locale CTest sets (Russian) gives it:
    // Linux reads it from the environment, Windows from the user's settings.
    void systemLanguages() {
        QVERIFY2(chooseLanguage("", "", QLocale::system().uiLanguages()) == Language::Russian,
                 qPrintable(QLocale::system().uiLanguages().join(' ')));
    }

    // Every page opened from the real menu in turn, closed with its Done and
    // saved, in this language: the preamble and the seven sections in the
    // order visited, byte for byte the same, and the windows really in this
    // language.
    void sameScriptInEveryLanguage() {
        QTemporaryDir tmp;
        TempFolderAs tempFolder(tmp.path());
        ConfigStream config;
        ScriptedDialogs dialogs;
        RecordingSoundCue sound;
        MainMenu menu(config, dialogs, sound, &openProgramPage);
        QVERIFY(menu.load(nullptr));
        menu.show();
        const bool english = QCoreApplication::translate("MenuTable", "Видео") == "Video";
        QCOMPARE(menu.entry("Command3")->text(), english ? "Save" : "Сохранить");
        for (const QString& entry : everyPageEntry())
            walkPage(menu.entry(entry));
        const QString target = tmp.filePath("player.cfg");
        dialogs.answerSaveAs(target);
        QTest::mouseClick(menu.entry("Command3"), Qt::LeftButton);
        const QByteArray saved = readBytes(target);
        QUELMAR_COMPARE_GOLDEN(saved, "whole_defaults.cfg");
        QCOMPARE(readBytes(TempConfigFile::path()), saved);
        QCOMPARE(sound.played, QList<Cue>(8, Cue::PageOpened)); // seven pages, one save
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    useLanguageArgument(argc, argv);
    TestLanguage language;
    return QTest::qExec(&language, argc, argv);
}
#include "tst_language.moc"
