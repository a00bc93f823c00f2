#include "config/ConfigLines.h"

#include "config/StringResources.h"

namespace quelmar {

QString sectionHeader(Section section) {
    switch (section) {
    case Section::BuyWeapons:
        return QStringLiteral("// [ Buy Weapons ] ");
    case Section::Commands:
        return QStringLiteral("// [ Commands ] ");
    case Section::Video:
        return QStringLiteral("// [ Video Setting ] ");
    case Section::Mouse:
        return QStringLiteral("// [ Mouse Setting ] ");
    case Section::Sound:
        return QStringLiteral("// [ Sound Setting ] ");
    case Section::Player:
        return QStringLiteral("// [ Player Setting ] ");
    case Section::Other:
        return QStringLiteral("// [ Othen Setting ] ");
    }
    return {};
}

QString keptLinesHeader() {
    return QStringLiteral("// [ Kept Lines ] ");
}

QString typedText(QString typed) {
    typed.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
    return typed;
}

QString settingLine(const QString& name, const QString& value) {
    return name + QLatin1Char(' ') + quote() + value + quote();
}

QString bindLine(const QString& key, const QString& command) {
    return QStringLiteral("bind ") + quote() + key + quote() + QLatin1Char(' ') + quote() +
           command + quote();
}

} // namespace quelmar
