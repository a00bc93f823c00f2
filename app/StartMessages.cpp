#include "app/StartMessages.h"

#include "config/PathBytes.h"
#include "config/ProblemText.h"

#include <QCoreApplication>
#include <QDir>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The folder the player named for temporary files is the one at path.
bool namedByPlayer(const QString& path) {
    const QString named = qEnvironmentVariable(tempFolderSetting().variable.toLocal8Bit());
    return !named.isEmpty() &&
           QDir::cleanPath(QDir::fromNativeSeparators(named)) == QDir::cleanPath(path);
}

// What the player can do about the temporary script's folder.
QString tempAdvice(const FileError& error) {
    const TempFolderSetting setting = tempFolderSetting();
    if (error.problem == FileProblem::NotAFolder && namedByPlayer(error.path))
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Переменная окружения %1 называет не папку, а файл. Укажите в ней "
                   "папку, в которую вы можете писать, например: %2")
            .arg(setting.variable, setting.example);
    switch (error.problem) {
    case FileProblem::NoSpace:
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Освободите место на диске или укажите в переменной окружения "
                   "%1 папку на другом диске.")
            .arg(setting.variable);
    case FileProblem::SymbolicLink:
    case FileProblem::Folder:
    case FileProblem::NotRegular:
    case FileProblem::SharedName:
    case FileProblem::OtherOwner:
    case FileProblem::NotAFolder:
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Удалите или переименуйте его либо укажите в переменной окружения "
                   "%1 другую папку, свою.")
            .arg(setting.variable);
    case FileProblem::Replaced:
        return QCoreApplication::translate("FailureMessages", "Запустите программу снова.");
    case FileProblem::TooLarge:
        return QCoreApplication::translate(
            "FailureMessages", "Снимите этот предел (ulimit -f unlimited) и запустите программу "
                               "снова.");
    default:
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Укажите в переменной окружения %1 папку, в которую вы можете "
                   "писать, например: %2")
            .arg(setting.variable, setting.example);
    }
}

} // namespace

QString damagedProgramText(const QStringList& missing) {
    return QCoreApplication::translate(
               "FailureMessages", "Программа повреждена: в ней нет %1. Без них сценарий получится "
                                  "неверным. Установите программу заново.")
        .arg(missing.join(QStringLiteral(", ")));
}

QString startFailureText(const TempConfigFile::Result& result) {
    const FileError& error = result.error;
    QString what;
    switch (result.outcome) {
    case TempConfigFile::Outcome::AlreadyRunning:
        return QCoreApplication::translate(
                   "FailureMessages", "Программа уже запущена и пишет файл конфигурации:\n%1\n\n"
                                      "Закройте её, прежде чем запускать программу снова.")
            .arg(shown(result.path));
    case TempConfigFile::Outcome::WriteFailed:
        what = QCoreApplication::translate("FailureMessages",
                                           "Не удалось записать временный файл конфигурации");
        break;
    default:
        if (error.step == FileStep::MakeFolder)
            what = QCoreApplication::translate(
                "FailureMessages",
                "Не удалось подготовить папку для временного файла конфигурации");
        else if (error.step == FileStep::Lock)
            what = QCoreApplication::translate(
                "FailureMessages", "Не удалось занять файл блокировки рядом с временным файлом "
                                   "конфигурации");
        else
            what = QCoreApplication::translate("FailureMessages",
                                               "Не удалось создать временный файл конфигурации");
    }
    return QCoreApplication::translate("FailureMessages", "%1:\n%2\n\nПричина: %3.\n\n%4")
        .arg(what, shown(error.path), problemText(error), tempAdvice(error));
}

QString fallbackFolderText(const TempConfigFile::Result& result) {
    return QCoreApplication::translate(
               "FailureMessages", "Папка для временного файла конфигурации\n%1\nне годится: %2.\n\n"
                                  "Файл будет в папке, доступной только вам:\n%3")
        .arg(shown(result.taken.path), problemText(result.taken),
             shown(QDir::cleanPath(result.path + QStringLiteral("/.."))));
}

QString writeFailureText(const FileError& error, bool stillThere) {
    const QString fate =
        stillThere
            ? QCoreApplication::translate("FailureMessages",
                                          "Строки, записанные раньше, остались в этом файле.")
            : QCoreApplication::translate("FailureMessages", "Этого файла больше нет на диске.");
    return QCoreApplication::translate(
               "FailureMessages",
               "Не удалось записать в файл конфигурации:\n%1\n\nПричина: %2.\n\n%3\n"
               "Программа будет закрыта. %4")
        .arg(shown(error.path), problemText(error), fate, tempAdvice(error));
}

QString consoleProgramText() {
    return QCoreApplication::translate(
        "FailureMessages", "У этой программы нет консоли, и ей некуда писать ответ. Команды "
                           "--check, --fix-keys, --help и --version выполняет quelmar.com: "
                           "откройте командную строку (cmd) в папке программы и наберите, "
                           "например,\n\nquelmar --check userconfig.cfg");
}

QString putBackText(const QList<PutBack>& putBack) {
    QStringList texts;
    for (const PutBack& file : putBack) {
        if (file.setAside) {
            texts << QCoreApplication::translate(
                         "FailureMessages",
                         "Запись о прерванной перезаписи файла не использована: %1.\n\n"
                         "Файлы по ней не менялись. Она отложена, а не удалена:\n%2")
                         .arg(problemText(file.error), shown(file.path));
            continue;
        }
        const QString fate =
            file.error
                ? QCoreApplication::translate(
                      "FailureMessages", "Вернуть прежнее содержимое не удалось. Причина: %1.\n\n"
                                         "Программа попробует снова при следующем запуске.")
                      .arg(problemText(file.error))
                : QCoreApplication::translate(
                      "FailureMessages",
                      "Прежнее содержимое файла возвращено на место: файл такой, "
                      "каким был до того сохранения.");
        texts << QCoreApplication::translate(
                     "FailureMessages",
                     "Прошлый запуск программы прервался, когда она перезаписывала "
                     "файл:\n%1\n\n%2")
                     .arg(shown(file.path), fate);
    }
    return texts.join(QStringLiteral("\n\n"));
}

} // namespace quelmar
