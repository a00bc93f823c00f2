#include "check/GameHook.h"

#include "config/ConsoleModel.h"

#include "config/ConsoleReader.h"
#include "config/InputFile.h"
#include "config/ScriptCodePage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quelmar {
namespace {

// userconfig.cfg as the game reads it, through a link. Missing (a link to
// nothing included) reads as empty. Only a regular file is opened, so a
// FIFO planted there cannot hold us up. past: larger than the program reads
// (no script comes near it, and the console would not read it to its end).
FileError readUserConfig(const QString& path, QByteArray& bytes, bool& past) {
    if (!QFileInfo::exists(path))
        return {};
    FileError error = readWholeFile(path, bytes);
    past = error.problem == FileProblem::PastLimit;
    return past ? FileError{} : error;
}

} // namespace

ExecNameProblem execNameProblem(QStringView fileName) {
    if (fileName.isEmpty())
        return ExecNameProblem::Empty;
    const auto holds = [&](auto test) {
        return std::any_of(fileName.begin(), fileName.end(), test);
    };
    if (holds([](QChar c) { return c.unicode() < 32 || c.unicode() == 127; }))
        return ExecNameProblem::Control;
    if (holds([](QChar c) { return c.unicode() > 127; }))
        return ExecNameProblem::NotAscii;
    if (holds([](QChar c) { return c == u'/' || c == u'\\' || c == u':'; }) ||
        fileName.contains(u".."))
        return ExecNameProblem::Path;
    if (fileName.contains(u'~'))
        return ExecNameProblem::Tilde;
    if (fileName.contains(u';'))
        return ExecNameProblem::Semicolon;
    if (fileName.contains(u'"'))
        return ExecNameProblem::Quote;
    if (!fileName.endsWith(u".cfg", Qt::CaseInsensitive))
        return ExecNameProblem::NotCfg;
    return ExecNameProblem::None;
}

bool runsScript(QByteArrayView text, const QString& name) {
    const QByteArray wanted = toScriptCodePage(name);
    ConsoleReader reader(consoleReadable(text));
    ConsoleCommand command;
    while (reader.next(command)) {
        if (command.words.size() == 2 && isWord(reader.wordText(command.words[0]), "exec") &&
            isWord(reader.wordText(command.words[1]), wanted.constData()))
            return true;
    }
    return false;
}

QByteArray execLine(const QString& name) {
    const QByteArray bytes = toScriptCodePage(name);
    const bool splits = std::any_of(bytes.begin(), bytes.end(),
                                    [](char c) { return isConsoleBlank(c) || isConsoleSingle(c); });
    return "exec " + (splits ? '"' + bytes + '"' : bytes);
}

QByteArray hookedText(const QByteArray& text, const QString& name) {
    const QByteArray end = text.contains('\n') && !text.contains("\r\n") ? "\n" : "\r\n";
    QByteArray hooked = text;
    // A CR alone ends no command for the console: the line needs its LF.
    if (!text.isEmpty() && !text.endsWith('\n'))
        hooked += end;
    return hooked + execLine(name) + end;
}

bool isGameFolder(const QString& folder, const QString& foundGameFolder) {
    const QFileInfo here(folder);
    if (!foundGameFolder.isEmpty() && here.exists() && here == QFileInfo(foundGameFolder))
        return true;
    return !QDir(folder)
                .entryList({QLatin1String(kGameList), QLatin1String(kGameConfig)}, QDir::Files)
                .isEmpty();
}

bool runsGameScripts(const QString& folder, const QString& name) {
    ConsoleModel model(ConsoleModel::filesIn(folder));
    model.run(execLine(name));
    return std::any_of(model.execs().begin(), model.execs().end(), [](const ConsoleExec& exec) {
        return exec.outcome == ConsoleExec::GameOwn;
    });
}

HookResult installHook(const QString& folder, const QString& name, const FileCalls& calls) {
    const QString path = QDir(folder).filePath(QLatin1StringView(kUserConfig));
    QByteArray old;
    bool past = false;
    if (FileError error = readUserConfig(path, old, past))
        return {HookResult::Outcome::Failed, {SaveOutcome::Unchanged, error}};
    if (runsScript(old, name))
        return {HookResult::Outcome::AlreadyThere, {}};
    if (runsGameScripts(folder, name))
        return {HookResult::Outcome::Loop, {}};
    if (past || consoleReadable(old).size() < old.size())
        return {HookResult::Outcome::CutShort, {}};
    FileStatus there;
    statusOf(path, there);
    const SaveResult saved = saveScript(hookedText(old, name), path, calls);
    return {saved.outcome == SaveOutcome::Saved ? HookResult::Outcome::Added
                                                : HookResult::Outcome::Failed,
            saved, there.kind == FileKind::SymbolicLink && saved.outcome == SaveOutcome::Saved};
}

QString execNameText(ExecNameProblem problem, const Wording& w) {
    QString why;
    switch (problem) {
    case ExecNameProblem::None:
    case ExecNameProblem::Empty:
        why = w.translate("FailureMessages", "у файла нет имени");
        break;
    case ExecNameProblem::Control:
        why = w.translate("FailureMessages", "в имени есть управляющий символ");
        break;
    case ExecNameProblem::NotAscii:
        why = w.translate("FailureMessages",
                          "в имени есть буквы не латинского алфавита, а их байты в имени "
                          "файла и в консоли могут различаться");
        break;
    case ExecNameProblem::Path:
        why = w.translate("FailureMessages",
                          "в имени есть знак /, \\, : или две точки подряд, а консоль "
                          "прочтёт их как путь");
        break;
    case ExecNameProblem::Tilde:
        why =
            w.translate("FailureMessages", "в имени есть знак ~, а такие имена консоль отвергает");
        break;
    case ExecNameProblem::Semicolon:
        why = w.translate("FailureMessages",
                          "в имени есть точка с запятой, а на ней консоль обрывает команду");
        break;
    case ExecNameProblem::Quote:
        why = w.translate("FailureMessages", "в имени есть кавычка");
        break;
    case ExecNameProblem::NotCfg:
        why = w.translate("FailureMessages", "имя не оканчивается на .cfg");
        break;
    }
    return why;
}

} // namespace quelmar
