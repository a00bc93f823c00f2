#include "app/OpenMessages.h"

#include "config/PathBytes.h"
#include "config/ProblemText.h"

#include <QCoreApplication>
#include <QDir>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

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

namespace {

// A report fits on a screen: each list shows its first few, and how many more.
constexpr qsizetype kListed = 8;

QStringList listed(const QStringList& items, const Wording& w) {
    QStringList shownItems = items.first(qMin(items.size(), kListed));
    if (items.size() > kListed)
        shownItems.append(w.translate("FailureMessages", "… и ещё %1").arg(items.size() - kListed));
    return shownItems;
}

QString execOutcomeText(ConsoleExec::Outcome outcome, const Wording& w) {
    static const char* const kWhy[] = {
        "",
        QT_TRANSLATE_NOOP("FailureMessages", "нет такого файла"),
        QT_TRANSLATE_NOOP("FailureMessages", "его запускает сама игра"),
        QT_TRANSLATE_NOOP("FailureMessages", "он уже выполняется: петля"),
        QT_TRANSLATE_NOOP("FailureMessages", "слишком много файлов друг в друге"),
        QT_TRANSLATE_NOOP("FailureMessages", "не читается или не .cfg"),
    };
    return w.translate("FailureMessages", kWhy[outcome]);
}

// The files a script runs ("line N: name"), and those it cannot run, with why.
std::pair<QStringList, QStringList> execLists(const OpenedReport& report, const Wording& w) {
    QStringList ran;
    QStringList notRun;
    for (const OpenedReport::Exec& exec : report.execs) {
        if (exec.outcome == ConsoleExec::Ran)
            ran.append(exec.name);
        else
            notRun.append(
                QStringLiteral("%1 (%2)").arg(exec.name, execOutcomeText(exec.outcome, w)));
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
            text += say(heading) + listed(items, Wording::player()).join(say(separator));
    };
    list(report.unshown,
         QT_TRANSLATE_NOOP(
             "FailureMessages",
             "\n\nЭтих значений страницы показать не могут; строка покажет обычное значение, и "
             "пока вы её не измените, в сценарии останется значение из файла:\nстрока "),
         QT_TRANSLATE_NOOP("FailureMessages", "\nстрока "));
    const auto [ran, notRun] = execLists(report, Wording::player());
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
        for (const QString& item : listed(items, Wording::english()))
            text += line.arg(terminalText(item));
    };
    list(report.unshown, QStringLiteral("quelmar: line %1 (no page can show it; kept while its "
                                        "row is left alone)\n"));
    const auto [ran, notRun] = execLists(report, Wording::english());
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
        .arg(terminalText(shown(path)), problemText(error, Wording::english()));
}

} // namespace quelmar
