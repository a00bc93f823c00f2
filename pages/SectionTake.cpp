#include "pages/SectionTake.h"

#include "config/ConsoleModel.h"
#include "controls/ColorValue.h"
#include "controls/SpinValue.h"

#include <QRegularExpression>

namespace quelmar {

SettingWords settingWords(const QString& line) {
    // Our own lines only: name "value", setinfo name "value", or one word.
    static const QRegularExpression form(
        QStringLiteral(R"(^(setinfo\s+)?(\S+)(?:\s+"([^"]*)\")?\s*$)"));
    const QRegularExpressionMatch m = form.match(line);
    SettingWords words;
    if (!m.hasMatch())
        return words;
    words.key = (m.captured(1).isEmpty() ? QString() : QStringLiteral("setinfo ")) +
                m.captured(2).toLower();
    words.bare = !m.hasCaptured(3);
    words.value = m.captured(3);
    return words;
}

namespace take {

QList<int> differing(const QList<QStringList>& variants) {
    QList<int> at;
    const QStringList& first = variants.value(0);
    for (int i = 0; i < first.size(); ++i) {
        for (const QStringList& v : variants) {
            if (v.value(i) != first[i]) {
                at.append(i);
                break;
            }
        }
    }
    return at;
}

std::optional<QList<int>> agreeing(const QList<QStringList>& variants, const QList<int>& at,
                                   const ScriptSettings& script, ScriptSetting& last,
                                   QStringList& keys, bool& bare) {
    QList<int> agree;
    for (int v = 0; v < variants.size(); ++v)
        agree.append(v);
    bool set = false;
    for (int i : at) {
        QStringList here;
        for (const QStringList& v : variants) {
            const SettingWords words = settingWords(v.value(i));
            bare = words.bare;
            if (!here.contains(words.key))
                here.append(words.key);
        }
        keys += here;
        const std::optional<ScriptSetting> found = script.lastOf(here, bare);
        if (!found)
            continue;
        if (!set || found->order > last.order)
            last = *found;
        set = true;
        agree.removeIf([&](int v) {
            const SettingWords words = settingWords(variants[v].value(i));
            return words.key != found->key || !sameConsoleValue(words.value, found->value);
        });
    }
    return set ? std::optional(agree) : std::nullopt;
}

std::optional<std::array<int, 3>> colourParts(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> rgb{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].toInt(&ok);
        if (!ok || !ColorValue::holds(rgb[i]))
            return std::nullopt;
    }
    return rgb;
}

std::optional<QString> spinText(SpinKind kind, const QString& value) {
    if (!SpinValue::stepsOf(kind, value))
        return std::nullopt;
    return SpinValue(kind, value).valueText();
}

} // namespace take
} // namespace quelmar
