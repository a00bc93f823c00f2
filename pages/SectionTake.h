#pragma once

#include "pages/FieldTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

// What a settings page takes from an opened script, its start aside.
struct TakenRows {
    int shown = 0;         // rows that start from the script's values
    QStringList taken;     // keys of the settings the rows took
    QStringList takenBare; // bare commands they took
    QList<UnshownRow> unshown;
    QStringList startLines; // what the page writes for its start, left alone
};

// What a settings page takes from an opened script.
template <typename Choices> struct SectionTake : TakenRows { Choices start; };

// Reads a page's start from a script by trying each field's values on the
// page's own lines: what changes with a field is what the field sets. Gives
// the fields' values, the rest in rows.
QStringList takeFields(const QList<PageField>& fields, const ScriptSettings& script,
                       TakenRows& rows);

template <typename Choices>
SectionTake<Choices> takeSection(const QList<PageField>& fields, const ScriptSettings& script) {
    SectionTake<Choices> result;
    result.start.values = takeFields(fields, script, result);
    return result;
}

} // namespace quelmar
