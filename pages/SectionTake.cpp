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

namespace {

// The lines of one field's variants where they differ: the lines it governs.
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

// Which variants agree with the script at every governed line the script
// sets; empty optional when it sets none of them.
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

// "R G B" with each part one the colour editor can hold, as the page writes it.
std::optional<QString> colourValue(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return std::nullopt;
    int rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].toInt(&ok);
        if (!ok || !ColorValue::holds(rgb[i]))
            return std::nullopt;
    }
    return colourText(ColorValue(qint16(rgb[0]), qint16(rgb[1]), qint16(rgb[2])));
}

// The value a spin editor can start from, or empty.
std::optional<QString> spinText(SpinKind kind, const QString& value) {
    if (!SpinValue::stepsOf(kind, value))
        return std::nullopt;
    return SpinValue(kind, value).valueText();
}

} // namespace

QStringList takeFields(const QList<PageField>& fields, const ScriptSettings& script,
                       TakenRows& rows) {
    const QStringList defaults = startValues(fields);
    QStringList start = defaults;
    for (int i : inputsByRow(fields)) {
        const PageField& f = fields[i];
        QStringList probes = {QStringLiteral("1"), QStringLiteral("2")};
        if (f.kind == PageField::List) {
            probes.clear();
            for (int item = 0; item < f.items.size(); ++item)
                probes << QString::number(item);
        } else if (f.kind == PageField::Text) {
            // The line comes and goes with the text: probe with a text.
            probes = {QStringLiteral("a"), QStringLiteral("b")};
        } else if (f.kind == PageField::Colour) {
            probes = {QStringLiteral("0 0 0"), QStringLiteral("5 5 5")};
        }
        QList<QStringList> variants;
        for (const QString& probe : probes) {
            QStringList values = defaults;
            values[i] = probe;
            variants.append(sectionLines(fields, values));
        }
        const QList<int> at = differing(variants);
        ScriptSetting last;
        QStringList keys;
        bool bare = false;
        const std::optional<QList<int>> agree = agreeing(variants, at, script, last, keys, bare);
        if (!agree)
            continue;
        std::optional<QString> taken;
        switch (f.kind) {
        case PageField::List:
            if (!agree->isEmpty()) {
                // Where several items write the same, keep the page's own.
                const int own = defaults[i].toInt();
                taken = QString::number(agree->contains(own) ? own : agree->first());
            }
            break;
        case PageField::Spin:
            taken = spinText(f.spin, last.value);
            break;
        case PageField::Text:
            taken = last.value;
            break;
        case PageField::Colour:
            taken = colourValue(last.value);
            break;
        case PageField::Line:
            break;
        }
        if (taken) {
            start[i] = *taken;
            ++rows.shown;
            (bare ? rows.takenBare : rows.taken) += keys;
            continue;
        }
        UnshownRow row{keys, bare, {}, last};
        const QStringList written = sectionLines(fields, defaults);
        for (int line : at)
            row.defaultLines.append(written.value(line));
        rows.unshown.append(row);
    }
    rows.startLines = sectionLines(fields, start);
    return start;
}

} // namespace quelmar
