#include "app/SaveMessages.h"

#include "config/ProblemText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

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
    const QString why = execNameText(problem);
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

} // namespace quelmar
