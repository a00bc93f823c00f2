#include "config/ProblemText.h"

#include "config/InputFile.h"

namespace quelmar {

QString limitText(const Wording& w) {
    return w.translate("FailureMessages", "%1 МиБ").arg(kInputLimit >> 20);
}

namespace {

QString folderProblemText(const FileError& error, const Wording& w) {
    switch (error.problem) {
    case FileProblem::OtherOwner:
        return w.translate("FailureMessages", "эта папка принадлежит другому пользователю");
    case FileProblem::SymbolicLink:
        return w.translate("FailureMessages", "на месте папки стоит символическая ссылка");
    case FileProblem::NotRegular:
        return w.translate("FailureMessages", "на месте папки стоит файл");
    default:
        return {};
    }
}

} // namespace

QString problemText(const FileError& error, const Wording& w) {
    if (error.step == FileStep::MakeFolder) {
        if (QString text = folderProblemText(error, w); !text.isEmpty())
            return text;
    }
    switch (error.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NoSpace:
        return w.translate("FailureMessages", "на диске не хватает места");
    case FileProblem::TooLarge:
        return w.translate("FailureMessages",
                           "файл дорос до предела размера файлов, который система задала "
                           "программе");
    case FileProblem::NoPermission:
        return w.translate("FailureMessages", "нет прав доступа");
    case FileProblem::ReadOnly:
        return w.translate("FailureMessages", "диск открыт только для чтения");
    case FileProblem::NameTooLong:
        return w.translate("FailureMessages", "слишком длинное имя");
    case FileProblem::Missing:
        return w.translate("FailureMessages", "нет такого файла или папки");
    case FileProblem::Exists:
        return w.translate("FailureMessages", "файл с таким именем уже есть");
    case FileProblem::Busy:
        return w.translate("FailureMessages", "файл занят другой программой");
    case FileProblem::Locked:
        return w.translate("FailureMessages", "файл занят другой запущенной копией программы");
    case FileProblem::SymbolicLink:
        return w.translate("FailureMessages",
                           "это символическая ссылка, а по ссылкам программа не пишет");
    case FileProblem::Folder:
        return w.translate("FailureMessages", "под этим именем стоит папка");
    case FileProblem::NotRegular:
        return w.translate("FailureMessages", "это не обычный файл, а канал, устройство или сокет");
    case FileProblem::SharedName:
        return w.translate("FailureMessages", "у этого файла есть и другое имя (жёсткая ссылка)");
    case FileProblem::NotAFolder:
        return w.translate("FailureMessages", "на месте папки стоит файл");
    case FileProblem::ReadOnlyFile:
        // What became of the file, the texts around say once.
        return w.translate("FailureMessages", "у файла стоит отметка «только для чтения»");
    case FileProblem::OtherOwner:
        return w.translate("FailureMessages", "файл принадлежит другому пользователю");
    case FileProblem::Replaced:
        return w.translate("FailureMessages",
                           "файл удалили или заменили, пока программа с ним работала");
    case FileProblem::Changed:
        return w.translate("FailureMessages", "прочитанное с диска не совпало с записанным");
    case FileProblem::PastLimit:
        return w
            .translate("FailureMessages", "файл больше %1, а сценарии не бывают такими большими")
            .arg(limitText(w));
    case FileProblem::HoldsNul:
        return w.translate("FailureMessages",
                           "в файле есть нулевой байт, и консоль игры дальше него не "
                           "прочтёт (так бывает, если файл сохранён в UTF-16); сохраните "
                           "его в ANSI или UTF-8");
    case FileProblem::Untrusted:
        return w.translate("FailureMessages",
                           "в него или в его папку могут писать другие пользователи, и "
                           "программа ему не доверяет");
    case FileProblem::Damaged:
        return w.translate("FailureMessages", "файл повреждён: программа так не пишет");
    case FileProblem::Other:
        break;
    }
    return w.translate("FailureMessages", "ошибка системы: %1").arg(systemText(error.code));
}

} // namespace quelmar
