#include "app/FailureMessages.h"

#include "check/ScriptTools.h"

#include <QDir>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString folderProblemText(const FileError& error) {
    switch (error.problem) {
    case FileProblem::OtherOwner:
        return QStringLiteral("эта папка принадлежит другому пользователю");
    case FileProblem::SymbolicLink:
        return QStringLiteral("на месте папки стоит символическая ссылка");
    case FileProblem::NotRegular:
        return QStringLiteral("на месте папки стоит файл");
    default:
        return {};
    }
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
        return QStringLiteral("Переменная окружения %1 называет не папку, а файл. Укажите в ней "
                              "папку, в которую вы можете писать, например: %2")
            .arg(setting.variable, setting.example);
    switch (error.problem) {
    case FileProblem::NoSpace:
        return QStringLiteral("Освободите место на диске или укажите в переменной окружения "
                              "%1 папку на другом диске.")
            .arg(setting.variable);
    case FileProblem::SymbolicLink:
    case FileProblem::Folder:
    case FileProblem::NotRegular:
    case FileProblem::SharedName:
    case FileProblem::OtherOwner:
    case FileProblem::NotAFolder:
        return QStringLiteral("Удалите или переименуйте его либо укажите в переменной окружения "
                              "%1 другую папку, свою.")
            .arg(setting.variable);
    case FileProblem::Replaced:
        return QStringLiteral("Запустите программу снова.");
    case FileProblem::TooLarge:
        return QStringLiteral("Снимите этот предел (ulimit -f unlimited) и запустите программу "
                              "снова.");
    default:
        return QStringLiteral("Укажите в переменной окружения %1 папку, в которую вы можете "
                              "писать, например: %2")
            .arg(setting.variable, setting.example);
    }
}

} // namespace

QString damagedProgramText(const QStringList& missing) {
    return QStringLiteral("Программа повреждена: в ней нет %1. Без них сценарий получится "
                          "неверным. Установите программу заново.")
        .arg(missing.join(QStringLiteral(", ")));
}

QString problemText(const FileError& error) {
    if (error.step == FileStep::MakeFolder) {
        if (QString text = folderProblemText(error); !text.isEmpty())
            return text;
    }
    switch (error.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NoSpace:
        return QStringLiteral("на диске не хватает места");
    case FileProblem::TooLarge:
        return QStringLiteral("файл дорос до предела размера файлов, который система задала "
                              "программе");
    case FileProblem::NoPermission:
        return QStringLiteral("нет прав доступа");
    case FileProblem::ReadOnly:
        return QStringLiteral("диск открыт только для чтения");
    case FileProblem::NameTooLong:
        return QStringLiteral("слишком длинное имя");
    case FileProblem::Missing:
        return QStringLiteral("такой папки нет");
    case FileProblem::Exists:
        return QStringLiteral("файл с таким именем уже есть");
    case FileProblem::Busy:
        return QStringLiteral("файл занят другой программой");
    case FileProblem::Locked:
        return QStringLiteral("файл занят другой запущенной копией программы");
    case FileProblem::SymbolicLink:
        return QStringLiteral("это символическая ссылка, а по ссылкам программа не пишет");
    case FileProblem::Folder:
        return QStringLiteral("под этим именем стоит папка");
    case FileProblem::NotRegular:
        return QStringLiteral("это не обычный файл, а канал, устройство или сокет");
    case FileProblem::SharedName:
        return QStringLiteral("у этого файла есть и другое имя (жёсткая ссылка)");
    case FileProblem::NotAFolder:
        return QStringLiteral("на месте папки стоит файл");
    case FileProblem::ReadOnlyFile:
        return QStringLiteral("у файла стоит отметка «только для чтения», и программа его не "
                              "меняет");
    case FileProblem::OtherOwner:
        return QStringLiteral("файл принадлежит другому пользователю");
    case FileProblem::Replaced:
        return QStringLiteral("файл удалили или заменили, пока программа с ним работала");
    case FileProblem::Changed:
        return QStringLiteral("прочитанное с диска не совпало с записанным");
    case FileProblem::Other:
        break;
    }
    return QStringLiteral("ошибка системы: %1").arg(systemText(error.code));
}

QString startFailureText(const TempConfigFile::Result& result) {
    const FileError& error = result.error;
    QString what;
    switch (result.outcome) {
    case TempConfigFile::Outcome::AlreadyRunning:
        return QStringLiteral("Программа уже запущена и пишет файл конфигурации:\n%1\n\n"
                              "Закройте её, прежде чем запускать программу снова.")
            .arg(shown(result.path));
    case TempConfigFile::Outcome::WriteFailed:
        what = QStringLiteral("Не удалось записать временный файл конфигурации");
        break;
    default:
        if (error.step == FileStep::MakeFolder)
            what = QStringLiteral("Не удалось подготовить папку для временного файла конфигурации");
        else if (error.step == FileStep::Lock)
            what = QStringLiteral("Не удалось занять файл блокировки рядом с временным файлом "
                                  "конфигурации");
        else
            what = QStringLiteral("Не удалось создать временный файл конфигурации");
    }
    return QStringLiteral("%1:\n%2\n\nПричина: %3.\n\n%4")
        .arg(what, shown(error.path), problemText(error), tempAdvice(error));
}

QString fallbackFolderText(const TempConfigFile::Result& result) {
    return QStringLiteral("Папка для временного файла конфигурации\n%1\nне годится: %2.\n\n"
                          "Файл будет в папке, доступной только вам:\n%3")
        .arg(shown(result.taken.path), problemText(result.taken),
             shown(QDir::cleanPath(result.path + QStringLiteral("/.."))));
}

QString writeFailureText(const FileError& error, bool stillThere) {
    const QString fate = stillThere
                             ? QStringLiteral("Строки, записанные раньше, остались в этом файле.")
                             : QStringLiteral("Этого файла больше нет на диске.");
    return QStringLiteral("Не удалось записать в файл конфигурации:\n%1\n\nПричина: %2.\n\n%3\n"
                          "Программа будет закрыта. %4")
        .arg(shown(error.path), problemText(error), fate, tempAdvice(error));
}

QString saveFailureText(const QString& destination, const SaveResult& result, bool exists) {
    QString fate;
    if (result.outcome == SaveOutcome::Damaged)
        fate = QStringLiteral("Файл мог быть повреждён. При следующем запуске программа "
                              "попробует вернуть его прежнее содержимое.");
    else if (exists)
        fate = QStringLiteral("Файл остался таким, каким был.");
    else
        fate = QStringLiteral("Файл не создан.");
    QString reason = problemText(result.error);
    if (result.error.path != destination)
        reason = QStringLiteral("%1 — %2").arg(shown(result.error.path), reason);
    return QStringLiteral("Не удалось сохранить файл:\n%1\n\nПричина: %2.\n\n%3\n"
                          "Все настройки на месте: нажмите «Сохранить» и выберите другое место.")
        .arg(shown(destination), reason, fate);
}

QString putBackText(const QList<PutBack>& putBack) {
    QStringList texts;
    for (const PutBack& file : putBack) {
        const QString fate =
            file.error ? QStringLiteral("Вернуть прежнее содержимое не удалось. Причина: %1.\n\n"
                                        "Программа попробует снова при следующем запуске.")
                             .arg(problemText(file.error))
                       : QStringLiteral("Прежнее содержимое файла возвращено на место: файл такой, "
                                        "каким был до того сохранения.");
        texts << QStringLiteral("Прошлый запуск программы прервался, когда она перезаписывала "
                                "файл:\n%1\n\n%2")
                     .arg(shown(file.path), fate);
    }
    return texts.join(QStringLiteral("\n\n"));
}

} // namespace quelmar

namespace quelmar {

namespace {

QString readProblem(const FileError& error) {
    return error.problem == FileProblem::TooLarge
               ? QStringLiteral("файл больше 16 МиБ, а сценарии не бывают такими большими")
               : problemText(error);
}

} // namespace

QString openFailureText(const QString& path, const FileError& error, bool atStart) {
    return QStringLiteral("Не удалось прочитать сценарий «%1»: %2.\n\n%3")
        .arg(shown(path), readProblem(error),
             atStart ? QStringLiteral("Программа закроется; запустите её без файла или с другим.")
                     : QStringLiteral("Страницы начнут с прежних значений."));
}

QString secondScriptText(const QString& opened) {
    return QStringLiteral("Сценарий «%1» уже открыт. Второй сценарий за один запуск открыть "
                          "нельзя: ничего не изменилось.")
        .arg(shown(opened));
}

QString notAScriptText() {
    return QStringLiteral("Сюда можно бросить один файл сценария с расширением .cfg. "
                          "Ничего не изменилось.");
}

QString consoleProgramText() {
    return QStringLiteral("У этой программы нет консоли, и ей некуда писать ответ. Команды "
                          "--check, --fix-keys, --help и --version выполняет quelmar.com: "
                          "откройте командную строку (cmd) в папке программы и наберите, "
                          "например,\n\nquelmar --check userconfig.cfg");
}

QString openedReportText(const QString& path, const OpenedReport& report) {
    QString text = QStringLiteral("Открыт сценарий «%1».\n\n"
                                  "Значений и клавиш, с которых начнут страницы: %2.\n"
                                  "Строк, которые сохранятся как есть: %3. При сохранении они "
                                  "встанут после разделов страниц.")
                       .arg(shown(path))
                       .arg(report.onPages)
                       .arg(report.kept);
    if (!report.unshown.isEmpty())
        text += QStringLiteral("\n\nЭтих значений страницы показать не могут; строка покажет "
                               "обычное значение, и пока вы её не измените, в сценарии "
                               "останется значение из файла:") +
                QStringLiteral("\nстрока ") + report.unshown.join(QStringLiteral("\nстрока "));
    if (!report.execs.isEmpty())
        text += QStringLiteral("\n\nФайлы, которые сценарий запускает строкой exec, не "
                               "открывались: ") +
                report.execs.join(QStringLiteral(", "));
    if (report.notInCodePage > 0)
        text += QStringLiteral("\n\nЗнаков, которых нет в кодировке сценария, заменённых на "
                               "«?»: %1.")
                    .arg(report.notInCodePage);
    return text;
}

QString openedReportLines(const QString& path, const OpenedReport& report) {
    QString text = QStringLiteral("quelmar: opened %1: %2 values and keys went onto the pages, "
                                  "%3 lines are kept as they are\n")
                       .arg(shown(path))
                       .arg(report.onPages)
                       .arg(report.kept);
    for (const QString& line : report.unshown)
        text += QStringLiteral("quelmar: line %1 (no page can show it; kept while its row is "
                               "left alone)\n")
                    .arg(line);
    if (!report.execs.isEmpty())
        text += QStringLiteral("quelmar: exec lines not followed: %1\n")
                    .arg(report.execs.join(QStringLiteral(", ")));
    if (report.notInCodePage > 0)
        text += QStringLiteral("quelmar: %1 characters outside the script's code page became '?'\n")
                    .arg(report.notInCodePage);
    return text;
}

QString openFailureLine(const QString& path, const FileError& error) {
    return QStringLiteral("quelmar: cannot read %1: %2\n")
        .arg(shown(path), error.problem == FileProblem::TooLarge
                              ? QStringLiteral("larger than 16 MiB, the most a script may be")
                              : reasonText(error));
}

} // namespace quelmar
