#include "app/FailureMessages.h"

#include <QDir>

namespace quelmar {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString startFailureText(TempConfigFile::Outcome outcome, const QString& path,
                         const QString& reason) {
    switch (outcome) {
    case TempConfigFile::Outcome::AlreadyRunning:
        return QStringLiteral("Программа уже запущена и пишет файл конфигурации:\n%1\n\n"
                              "Закройте её, прежде чем запускать программу снова.")
            .arg(shown(path));
    case TempConfigFile::Outcome::WriteFailed:
        return QStringLiteral("Не удалось записать временный файл конфигурации:\n%1\n\n%2")
            .arg(shown(path), reason);
    default:
        return QStringLiteral("Не удалось создать временный файл конфигурации:\n%1\n\n%2")
            .arg(shown(path), reason);
    }
}

QString writeFailureText(const QString& path, const QString& reason, bool stillThere) {
    const QString fate = stillThere
                             ? QStringLiteral("Строки, записанные раньше, остались в этом файле.")
                             : QStringLiteral("Этого файла больше нет на диске.");
    return QStringLiteral("Не удалось записать в файл конфигурации:\n%1\n\n%2\n\n%3\n"
                          "Программа будет закрыта.")
        .arg(shown(path), reason, fate);
}

QString saveFailureText(const QString& path, const QString& reason, SaveOutcome outcome,
                        bool exists) {
    QString fate;
    if (outcome == SaveOutcome::Damaged)
        fate = QStringLiteral("Файл мог быть повреждён.");
    else if (exists)
        fate = QStringLiteral("Файл остался таким, каким был.");
    else
        fate = QStringLiteral("Файл не создан.");
    return QStringLiteral("Не удалось сохранить файл:\n%1\n\n%2\n\n%3\n"
                          "Все настройки на месте: нажмите «Сохранить» и выберите другое место.")
        .arg(shown(path), reason, fate);
}

} // namespace quelmar
