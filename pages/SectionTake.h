#pragma once

#include "controls/SpinMember.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace quelmar {

// What a setting line of ours says, as the console sees it: the variable it
// sets ("gamma", "setinfo _vgui_menus") and the value; a line of one word
// (+mlook, drawradar) is a bare command, keyed by itself, with no value.
struct SettingWords {
    QString key; // lower case
    QString value;
    bool bare = false;
};
SettingWords settingWords(const QString& line);

// What an opened script leaves set that a page shows.
struct ScriptSetting {
    QString key;
    QString value;
    qint64 order = 0; // when the script set it: later is larger
};

// What an opened script leaves set, as a page asks for it.
class ScriptSettings {
  public:
    virtual ~ScriptSettings() = default;
    // The latest of those keys the script leaves set: variables (two words
    // or more) or, bare, commands of one word.
    virtual std::optional<ScriptSetting> lastOf(const QStringList& keys, bool bare) const = 0;
};

// A row the script sets in a way its input cannot show: the row starts from
// its default, and while it stays there the script's own lines stand.
struct UnshownRow {
    QStringList keys; // what the row's lines set
    bool bare = false;
    QStringList defaultLines; // what the page writes for the row left alone
    ScriptSetting setting;    // what the script leaves it at
};

// What a settings page takes from an opened script.
template <typename Choices> struct SectionTake {
    Choices start;
    int shown = 0;         // rows that start from the script's values
    QStringList taken;     // keys of the settings the rows took
    QStringList takenBare; // bare commands they took
    QList<UnshownRow> unshown;
    QStringList startLines; // what the page writes for start, left alone
};

// One input of a settings page and the member of its choices it fills.
template <typename Choices> struct ChoiceField {
    enum Kind { List, Spin, Text, Colour } kind;
    int Choices::*index = nullptr; // List: the item
    int items = 0;
    QString Choices::*text = nullptr; // Spin, Text
    SpinKind spin = SpinKind::UPDW;
    int Choices::*rgb[3] = {};

    static ChoiceField list(int Choices::*member, int count) {
        ChoiceField f{List};
        f.index = member;
        f.items = count;
        return f;
    }
    static ChoiceField spinner(QString Choices::*member, SpinKind kind) {
        ChoiceField f{Spin};
        f.text = member;
        f.spin = kind;
        return f;
    }
    static ChoiceField typed(QString Choices::*member) {
        ChoiceField f{Text};
        f.text = member;
        return f;
    }
    static ChoiceField colour(int Choices::*red, int Choices::*green, int Choices::*blue) {
        ChoiceField f{Colour};
        f.rgb[0] = red;
        f.rgb[1] = green;
        f.rgb[2] = blue;
        return f;
    }
};

namespace take {

// The lines of one field's variants where they differ: the lines it governs.
QList<int> differing(const QList<QStringList>& variants);

// Which variants agree with the script at every governed line the script
// sets; empty optional when it sets none of them.
std::optional<QList<int>> agreeing(const QList<QStringList>& variants, const QList<int>& at,
                                   const ScriptSettings& script, ScriptSetting& last,
                                   QStringList& keys, bool& bare);

// "R G B" with each part one the colour editor can hold.
std::optional<std::array<int, 3>> colourParts(const QString& value);

// The value a spin editor can start from, or empty.
std::optional<QString> spinText(SpinKind kind, const QString& value);

} // namespace take

// Reads a page's start from a script by trying each field's values on the
// page's own line writer: what changes with a field is what the field sets,
// so the page's lines stay the one place that says it.
template <typename Choices>
SectionTake<Choices> takeSection(const std::vector<ChoiceField<Choices>>& fields,
                                 QStringList (*lines)(const Choices&),
                                 const ScriptSettings& script) {
    SectionTake<Choices> result;
    const Choices defaults;
    Choices& start = result.start;
    for (const ChoiceField<Choices>& f : fields) {
        QList<QStringList> variants;
        const auto variant = [&](auto apply) {
            Choices c = defaults;
            apply(c);
            variants.append(lines(c));
        };
        switch (f.kind) {
        case ChoiceField<Choices>::List:
            for (int i = 0; i < f.items; ++i)
                variant([&](Choices& c) { c.*f.index = i; });
            break;
        case ChoiceField<Choices>::Spin:
            variant([&](Choices& c) { c.*f.text = QStringLiteral("1"); });
            variant([&](Choices& c) { c.*f.text = QStringLiteral("2"); });
            break;
        case ChoiceField<Choices>::Text:
            // The line comes and goes with the text: probe with a text.
            variant([&](Choices& c) { c.*f.text = QStringLiteral("a"); });
            variant([&](Choices& c) { c.*f.text = QStringLiteral("b"); });
            break;
        case ChoiceField<Choices>::Colour:
            variant([&](Choices& c) { c.*f.rgb[0] = 0; });
            variant([&](Choices& c) { c.*f.rgb[0] = 5; });
            break;
        }
        const QList<int> at = take::differing(variants);
        ScriptSetting last;
        QStringList keys;
        bool bare = false;
        const std::optional<QList<int>> agree =
            take::agreeing(variants, at, script, last, keys, bare);
        if (!agree)
            continue;
        bool shown = false;
        switch (f.kind) {
        case ChoiceField<Choices>::List:
            if (!agree->isEmpty()) {
                // Where several items write the same, keep the page's own.
                start.*f.index =
                    agree->contains(defaults.*f.index) ? defaults.*f.index : agree->first();
                shown = true;
            }
            break;
        case ChoiceField<Choices>::Spin:
            if (const auto text = take::spinText(f.spin, last.value)) {
                start.*f.text = *text;
                shown = true;
            }
            break;
        case ChoiceField<Choices>::Text:
            start.*f.text = last.value;
            shown = true;
            break;
        case ChoiceField<Choices>::Colour:
            if (const auto parts = take::colourParts(last.value)) {
                for (int i = 0; i < 3; ++i)
                    start.*f.rgb[i] = (*parts)[i];
                shown = true;
            }
            break;
        }
        if (shown) {
            ++result.shown;
            (bare ? result.takenBare : result.taken) += keys;
            continue;
        }
        UnshownRow row{keys, bare, {}, last};
        const QStringList written = lines(defaults);
        for (int i : at)
            row.defaultLines.append(written.value(i));
        result.unshown.append(row);
    }
    result.startLines = lines(start);
    return result;
}

} // namespace quelmar
