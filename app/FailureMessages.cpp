#include "app/FailureMessages.h"

#include "check/ScriptTools.h"
#include "config/InputFile.h"
#include "config/PathBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The program's input limit, in the window's words.
QString limitText() {
    return QCoreApplication::translate("FailureMessages", "%1 МиБ").arg(kInputLimit >> 20);
}

QString folderProblemText(const FileError& error) {
    switch (error.problem) {
    case FileProblem::OtherOwner:
        return QCoreApplication::translate("FailureMessages",
                                           "эта папка принадлежит другому пользователю");
    case FileProblem::SymbolicLink:
        return QCoreApplication::translate("FailureMessages",
                                           "на месте папки стоит символическая ссылка");
    case FileProblem::NotRegular:
        return QCoreApplication::translate("FailureMessages", "на месте папки стоит файл");
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

QString problemText(const FileError& error) {
    if (error.step == FileStep::MakeFolder) {
        if (QString text = folderProblemText(error); !text.isEmpty())
            return text;
    }
    switch (error.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NoSpace:
        return QCoreApplication::translate("FailureMessages", "на диске не хватает места");
    case FileProblem::TooLarge:
        return QCoreApplication::translate(
            "FailureMessages", "файл дорос до предела размера файлов, который система задала "
                               "программе");
    case FileProblem::NoPermission:
        return QCoreApplication::translate("FailureMessages", "нет прав доступа");
    case FileProblem::ReadOnly:
        return QCoreApplication::translate("FailureMessages", "диск открыт только для чтения");
    case FileProblem::NameTooLong:
        return QCoreApplication::translate("FailureMessages", "слишком длинное имя");
    case FileProblem::Missing:
        return QCoreApplication::translate("FailureMessages", "такой папки нет");
    case FileProblem::Exists:
        return QCoreApplication::translate("FailureMessages", "файл с таким именем уже есть");
    case FileProblem::Busy:
        return QCoreApplication::translate("FailureMessages", "файл занят другой программой");
    case FileProblem::Locked:
        return QCoreApplication::translate("FailureMessages",
                                           "файл занят другой запущенной копией программы");
    case FileProblem::SymbolicLink:
        return QCoreApplication::translate(
            "FailureMessages", "это символическая ссылка, а по ссылкам программа не пишет");
    case FileProblem::Folder:
        return QCoreApplication::translate("FailureMessages", "под этим именем стоит папка");
    case FileProblem::NotRegular:
        return QCoreApplication::translate("FailureMessages",
                                           "это не обычный файл, а канал, устройство или сокет");
    case FileProblem::SharedName:
        return QCoreApplication::translate("FailureMessages",
                                           "у этого файла есть и другое имя (жёсткая ссылка)");
    case FileProblem::NotAFolder:
        return QCoreApplication::translate("FailureMessages", "на месте папки стоит файл");
    case FileProblem::ReadOnlyFile:
        return QCoreApplication::translate("FailureMessages",
                                           "у файла стоит отметка «только для чтения»");
    case FileProblem::OtherOwner:
        return QCoreApplication::translate("FailureMessages",
                                           "файл принадлежит другому пользователю");
    case FileProblem::Replaced:
        return QCoreApplication::translate(
            "FailureMessages", "файл удалили или заменили, пока программа с ним работала");
    case FileProblem::Changed:
        return QCoreApplication::translate("FailureMessages",
                                           "прочитанное с диска не совпало с записанным");
    case FileProblem::PastLimit:
        return QCoreApplication::translate("FailureMessages",
                                           "файл больше %1, а сценарии не бывают такими большими")
            .arg(limitText());
    case FileProblem::HoldsNul:
        return QCoreApplication::translate(
            "FailureMessages", "в файле есть нулевой байт, и консоль игры дальше него не "
                               "прочтёт (так бывает, если файл сохранён в UTF-16); сохраните "
                               "его в ANSI или UTF-8");
    case FileProblem::Untrusted:
        return QCoreApplication::translate(
            "FailureMessages", "в него или в его папку могут писать другие пользователи, и "
                               "программа ему не доверяет");
    case FileProblem::Damaged:
        return QCoreApplication::translate("FailureMessages",
                                           "файл повреждён: программа так не пишет");
    case FileProblem::Other:
        break;
    }
    return QCoreApplication::translate("FailureMessages", "ошибка системы: %1")
        .arg(systemText(error.code));
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

namespace {

// What a failed save left at destination, and why it failed.
QString fateText(const SaveResult& result, bool exists) {
    if (result.outcome == SaveOutcome::Damaged)
        return QCoreApplication::translate(
            "FailureMessages", "Файл мог быть повреждён. При следующем запуске программа "
                               "попробует вернуть его прежнее содержимое.");
    return exists ? QCoreApplication::translate("FailureMessages", "Файл остался таким, каким был.")
                  : QCoreApplication::translate("FailureMessages", "Файл не создан.");
}

QString reasonText(const QString& destination, const FileError& error) {
    const QString reason = problemText(error);
    return error.path == destination ? reason
                                     : QStringLiteral("%1 — %2").arg(shown(error.path), reason);
}

} // namespace

QString saveFailureText(const QString& destination, const SaveResult& result, bool exists) {
    return QCoreApplication::translate(
               "FailureMessages",
               "Не удалось сохранить файл:\n%1\n\nПричина: %2.\n\n%3\n"
               "Все настройки на месте: нажмите «Сохранить» и выберите другое место.")
        .arg(shown(destination), reasonText(destination, result.error), fateText(result, exists));
}

QString gameConfigQuestionText() {
    return QCoreApplication::translate(
        "FailureMessages", "Игра переписывает config.cfg при каждом выходе, и сценарий в нём "
                           "не сохранится.\n\nСохранить его как userconfig.cfg? Этот файл игра "
                           "выполняет при каждом запуске и сама не меняет.\n\n"
                           "«Нет» — выбрать другое имя.");
}

QString replaceUserConfigText(const QString& path) {
    return QCoreApplication::translate(
               "FailureMessages",
               "Файл уже есть:\n%1\n\nЗаменить его?\n\n«Нет» — выбрать другое имя.")
        .arg(shown(path));
}

QString hookQuestionText(const QString& name) {
    return QCoreApplication::translate(
               "FailureMessages",
               "Выполнять сценарий %1 при каждом запуске игры? В userconfig.cfg "
               "добавится строка:\n%2\n\nСценарий начинается с unbindall, поэтому "
               "при каждом запуске игры он сбросит все клавиши, которые не назначает "
               "сам.")
        .arg(name, QString::fromLatin1(execLine(name)));
}

QString unrunnableNameText(const QString& name, ExecNameProblem problem) {
    QString why;
    switch (problem) {
    case ExecNameProblem::None:
    case ExecNameProblem::Empty:
        why = QCoreApplication::translate("FailureMessages", "у файла нет имени");
        break;
    case ExecNameProblem::Control:
        why = QCoreApplication::translate("FailureMessages", "в имени есть управляющий символ");
        break;
    case ExecNameProblem::NotAscii:
        why = QCoreApplication::translate(
            "FailureMessages", "в имени есть буквы не латинского алфавита, а их байты в имени "
                               "файла и в консоли могут различаться");
        break;
    case ExecNameProblem::Path:
        why = QCoreApplication::translate(
            "FailureMessages", "в имени есть знак /, \\, : или две точки подряд, а консоль "
                               "прочтёт их как путь");
        break;
    case ExecNameProblem::Tilde:
        why = QCoreApplication::translate("FailureMessages",
                                          "в имени есть знак ~, а такие имена консоль отвергает");
        break;
    case ExecNameProblem::Semicolon:
        why = QCoreApplication::translate(
            "FailureMessages", "в имени есть точка с запятой, а на ней консоль обрывает команду");
        break;
    case ExecNameProblem::Quote:
        why = QCoreApplication::translate("FailureMessages", "в имени есть кавычка");
        break;
    case ExecNameProblem::NotCfg:
        why = QCoreApplication::translate("FailureMessages", "имя не оканчивается на .cfg");
        break;
    }
    return QCoreApplication::translate(
               "FailureMessages",
               "Сценарий сохранён, но игра не сможет выполнять его при запуске: %1.\n\n"
               "Чтобы игра его выполняла, сохраните его ещё раз под именем из "
               "латинских букв и цифр, например myconfig.cfg.")
        .arg(name.isEmpty() ? why : name + QStringLiteral(" — ") + why);
}

QString hookLoopText(const QString& name) {
    return QCoreApplication::translate(
               "FailureMessages",
               "Сценарий %1 сам запускает config.cfg или userconfig.cfg (или запускает их через "
               "другие файлы). Если игра будет запускать его из userconfig.cfg, файлы станут "
               "запускать друг друга без конца, поэтому строка в userconfig.cfg не добавлена. "
               "Сценарий сохранён.")
        .arg(name);
}

QString hookOutcomeText(const QString& path, const QString& name, const HookResult& result) {
    const QString line = QString::fromLatin1(execLine(name));
    switch (result.outcome) {
    case HookResult::Outcome::AlreadyThere:
        return {};
    case HookResult::Outcome::Added:
        if (!result.replacedLink)
            return {};
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Файл %1 был символической ссылкой. Теперь это отдельный файл: "
                   "в нём прежний текст и строка %2. Файл, на который вела ссылка, "
                   "не изменён.")
            .arg(shown(path), line);
    case HookResult::Outcome::CutShort:
        return QCoreApplication::translate(
                   "FailureMessages",
                   "Строка %1 не добавлена в файл:\n%2\n\nКонсоль игры не дочитает "
                   "его до конца: в нём есть нулевой байт (так бывает, если файл "
                   "сохранён в UTF-16) или он больше %3. Файл остался таким, "
                   "каким был. Сценарий сохранён.")
            .arg(line, shown(path), limitText());
    case HookResult::Outcome::Loop:
        return hookLoopText(name);
    case HookResult::Outcome::Failed:
        break;
    }
    return QCoreApplication::translate(
               "FailureMessages", "Не удалось добавить строку %1 в файл:\n%2\n\nПричина: %3.\n\n%4 "
                                  "Сценарий сохранён; строку можно добавить в этот файл самому.")
        .arg(line, shown(path), reasonText(path, result.saved.error),
             fateText(result.saved, QFileInfo::exists(path)));
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

namespace quelmar {

namespace {

QString readProblem(const FileError& error) {
    return problemText(error);
}

} // namespace

QString openFailureText(const QString& path, const FileError& error, bool atStart) {
    return QCoreApplication::translate("FailureMessages",
                                       "Не удалось прочитать сценарий «%1»: %2.\n\n%3")
        .arg(shown(path), readProblem(error),
             atStart ? QCoreApplication::translate(
                           "FailureMessages",
                           "Программа закроется; запустите её без файла или с другим.")
                     : QCoreApplication::translate("FailureMessages",
                                                   "Страницы начнут с прежних значений."));
}

QString secondScriptText(const QString& opened) {
    return QCoreApplication::translate(
               "FailureMessages",
               "Сценарий «%1» уже открыт. Второй сценарий за один запуск открыть "
               "нельзя: ничего не изменилось.")
        .arg(shown(opened));
}

QString notAScriptText() {
    return QCoreApplication::translate("FailureMessages",
                                       "Сюда можно бросить один файл сценария с расширением .cfg. "
                                       "Ничего не изменилось.");
}

QString consoleProgramText() {
    return QCoreApplication::translate(
        "FailureMessages", "У этой программы нет консоли, и ей некуда писать ответ. Команды "
                           "--check, --fix-keys, --help и --version выполняет quelmar.com: "
                           "откройте командную строку (cmd) в папке программы и наберите, "
                           "например,\n\nquelmar --check userconfig.cfg");
}

namespace {

// A report fits on a screen: each list shows its first few, and how many more.
constexpr qsizetype kListed = 8;

QStringList listed(const QStringList& items, bool english) {
    QStringList shownItems = items.first(qMin(items.size(), kListed));
    if (items.size() > kListed)
        shownItems.append(english ? QStringLiteral("... and %1 more").arg(items.size() - kListed)
                                  : QCoreApplication::translate("FailureMessages", "… и ещё %1")
                                        .arg(items.size() - kListed));
    return shownItems;
}

QString execOutcomeText(ConsoleExec::Outcome outcome, bool english) {
    static const std::pair<const char*, const char*> kWhy[] = {
        {"", ""},
        {"no such file", QT_TRANSLATE_NOOP("FailureMessages", "нет такого файла")},
        {"the game runs it itself",
         QT_TRANSLATE_NOOP("FailureMessages", "его запускает сама игра")},
        {"it is already running: a loop",
         QT_TRANSLATE_NOOP("FailureMessages", "он уже выполняется: петля")},
        {"too many files inside one another",
         QT_TRANSLATE_NOOP("FailureMessages", "слишком много файлов друг в друге")},
        {"cannot be read or is not a .cfg",
         QT_TRANSLATE_NOOP("FailureMessages", "не читается или не .cfg")},
    };
    const auto& [en, ru] = kWhy[outcome];
    return english ? QString::fromLatin1(en) : QCoreApplication::translate("FailureMessages", ru);
}

// The files a script runs ("line N: name"), and those it cannot run, with why.
std::pair<QStringList, QStringList> execLists(const OpenedReport& report, bool english) {
    QStringList ran;
    QStringList notRun;
    for (const OpenedReport::Exec& exec : report.execs) {
        if (exec.outcome == ConsoleExec::Ran)
            ran.append(exec.name);
        else
            notRun.append(
                QStringLiteral("%1 (%2)").arg(exec.name, execOutcomeText(exec.outcome, english)));
    }
    ran.removeDuplicates();
    notRun.removeDuplicates();
    return {ran, notRun};
}

QStringList numbers(const QList<int>& lines) {
    QStringList text;
    for (int line : lines)
        text.append(QString::number(line));
    return text;
}

} // namespace

QString openedReportText(const QString& path, const OpenedReport& report) {
    const auto say = [](const char* text) {
        return QCoreApplication::translate("FailureMessages", text);
    };
    QString text = say(QT_TRANSLATE_NOOP("FailureMessages",
                                         "Открыт сценарий «%1».\n\n"
                                         "Значений и клавиш, с которых начнут страницы: %2.\n"))
                       .arg(shown(path), QString::number(report.onPages)) +
                   QCoreApplication::translate("FailureMessages",
                                               "%n строк сохранятся как есть и в том же порядке; "
                                               "при сохранении они встанут перед разделами "
                                               "страниц.",
                                               nullptr, report.kept);
    const auto list = [&](const QStringList& items, const char* heading,
                          const char* separator = ", ") {
        if (!items.isEmpty())
            text += say(heading) + listed(items, false).join(say(separator));
    };
    list(report.unshown,
         QT_TRANSLATE_NOOP(
             "FailureMessages",
             "\n\nЭтих значений страницы показать не могут; строка покажет обычное значение, и "
             "пока вы её не измените, в сценарии останется значение из файла:\nстрока "),
         QT_TRANSLATE_NOOP("FailureMessages", "\nстрока "));
    const auto [ran, notRun] = execLists(report, false);
    list(ran, QT_TRANSLATE_NOOP("FailureMessages",
                                "\n\nФайлы, которые сценарий запускает строкой exec; страницы "
                                "начнут и с их значений: "));
    list(notRun, QT_TRANSLATE_NOOP("FailureMessages", "\n\nНе запускаются: "));
    list(report.clashes,
         QT_TRANSLATE_NOOP(
             "FailureMessages",
             "\n\nСценарий задаёт по-своему алиасы программы, и работать будут его (reset "
             "завершает каждую закупку оружия):\n"),
         "\n");
    list(
        report.quits,
        QT_TRANSLATE_NOOP("FailureMessages",
                          "\n\nКоманды, которые закрывают игру или отключают от сервера:\nстрока "),
        QT_TRANSLATE_NOOP("FailureMessages", "\nстрока "));
    list(numbers(report.unbindalls),
         QT_TRANSLATE_NOOP(
             "FailureMessages",
             "\n\nunbindall в середине сценария остаётся на месте и снимает также привязки "
             "программы (ESCAPE, ` и ~); строка "));
    if (report.cutShort)
        text += say(QT_TRANSLATE_NOOP(
            "FailureMessages", "\n\nФайлы или алиасы вложены слишком глубоко или слишком длинны; "
                               "дальше программа за ними не следила."));
    if (report.keptBytes > 0)
        text +=
            say(QT_TRANSLATE_NOOP(
                    "FailureMessages",
                    "\n\nЗначений в UTF-8, которые останутся в сценарии как были, пока вы их не "
                    "измените: %1."))
                .arg(report.keptBytes);
    if (report.notInCodePage > 0)
        text += say(QT_TRANSLATE_NOOP(
                        "FailureMessages",
                        "\n\nЗнаков, которых нет в кодировке сценария, заменённых на «?»: %1."))
                    .arg(report.notInCodePage);
    return text;
}

QString openedReportLines(const QString& path, const OpenedReport& report) {
    // Every piece of the file, its name included, goes through terminalText:
    // a downloaded script must not clear the screen or retitle the terminal.
    QString text = QStringLiteral("quelmar: opened %1: %2 values and keys went onto the pages, "
                                  "%3 lines are kept as they are, before the sections\n")
                       .arg(terminalText(shown(path)), QString::number(report.onPages),
                            QString::number(report.kept));
    const auto list = [&](const QStringList& items, const QString& line) {
        for (const QString& item : listed(items, true))
            text += line.arg(terminalText(item));
    };
    list(report.unshown, QStringLiteral("quelmar: line %1 (no page can show it; kept while its "
                                        "row is left alone)\n"));
    const auto [ran, notRun] = execLists(report, true);
    list(ran, QStringLiteral("quelmar: runs %1 (the pages start from its values too)\n"));
    list(notRun, QStringLiteral("quelmar: does not run %1\n"));
    list(report.clashes, QStringLiteral("quelmar: the script's own alias stands: %1\n"));
    list(report.quits, QStringLiteral("quelmar: ends the game or leaves the server: line %1\n"));
    list(numbers(report.unbindalls),
         QStringLiteral("quelmar: unbindall on line %1 stays and also undoes the program's "
                        "ESCAPE, ` and ~ binds\n"));
    if (report.cutShort)
        text += QStringLiteral("quelmar: files or aliases run too deep or too long; not followed "
                               "further\n");
    if (report.keptBytes > 0)
        text += QStringLiteral("quelmar: %1 UTF-8 values go back as they were unless changed\n")
                    .arg(report.keptBytes);
    if (report.notInCodePage > 0)
        text += QStringLiteral("quelmar: %1 characters outside the script's code page became '?'\n")
                    .arg(report.notInCodePage);
    return text;
}

QString openFailureLine(const QString& path, const FileError& error) {
    return QStringLiteral("quelmar: cannot read %1: %2\n")
        .arg(terminalText(shown(path)), reasonText(error));
}

} // namespace quelmar
