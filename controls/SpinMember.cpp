#include "controls/SpinMember.h"

#include "ui/Dialogs.h"

namespace quelmar {

namespace {

// Both "Oбычно" texts start with a Latin capital O and end with one blank;
// the two halves of these warnings are joined by a lone carriage return.
const QString kFool = QStringLiteral(QT_TRANSLATE_NOOP("SpinMember", "Дурак что ли?"));
const QString kFoolTitle = QStringLiteral(QT_TRANSLATE_NOOP("SpinMember", "АШЫПКА"));
const QString kSpeedWarning = QStringLiteral(
    QT_TRANSLATE_NOOP("SpinMember", "Не может быть больше, чем у сервера\rOбычно = 400 "));
const QString kSennWarning =
    QStringLiteral(QT_TRANSLATE_NOOP("SpinMember", "Мне кажется больше не надо\rOбычно = 5 "));

const SpinMember kMembers[] = {
    {QStringLiteral("UPDW"), 1, 1, 1, 21000, 1, 1, false, 80, kFool, kFoolTitle},
    {QStringLiteral("UPDW0"), 1, 0, 0, 21000, 0, 1, false, 80, kFool, kFoolTitle},
    {QStringLiteral("SEN"), 1, 0, 0, 100, 0, 10, false, 64, kFool, kFoolTitle},
    {QStringLiteral("Volume"), 1, 0, 0, 100, 100, 100, true, 64, QString(), QString()},
    {QStringLiteral("SPEED"), 10, 400, 0, 800, 400, 1, false, 64, kSpeedWarning,
     applicationTitle()},
    {QStringLiteral("SENN"), 1, 0, 0, 100, 1, 10, false, 64, kSennWarning, applicationTitle()},
};

} // namespace

const SpinMember& spinMember(SpinKind kind) {
    return kMembers[static_cast<int>(kind)];
}

} // namespace quelmar
