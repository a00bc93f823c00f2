#include "binds/CommandRows.h"

#include "binds/KeyFieldGroup.h"
#include "config/ConfigLines.h"

#include <QCoreApplication>

#include <array>

namespace quelmar::commands {

namespace {

struct Row {
    const char* caption; // UTF-8
    const char* command;
};

constexpr std::array<Row, kRowCount> kRows{{
    {"Fire", "+attack"},
    {"Weapon Special Function", "+attack2"},
    {"Reload weapon", "+reload"},
    {"Previous weapon", "invprev"},
    {"Next weapon", "invnext"},
    {"Last used weapon", "lastinv"},
    {"Turn nightvision on/off", "nightvision"},
    {"Drop current weapon", "drop"},
    {"Move forward", "+forward"},
    {"Move back", "+back"},
    {"Turn left", "+left"},
    {"Turn right", "+right"},
    {"Move left (strafe)", "+moveleft"},
    {"Move right (strafe)", "+moveright"},
    {"Walk", "+speed"},
    {"Jump", "+jump"},
    {"Duck", "+duck"},
    {"Swim up", "+moveup"},
    {"Swim down", "+movedown"},
    {"Lock up", "+lookup"},
    {"Lock down", "+lookdown"},
    {"Reset view", "centerview"},
    {"Strafe modifier", "+strafe"},
    {"Mouse look", "+mlook"},
    {"Keyboard look", "+klook"},
    {"Buy menu", "b"},
    {"Buy primary ammo", "buyammo1"},
    {"Buy secondary ammo", "buyammo2"},
    {"Buy equipment menu", "buyequip"},
    {"Select team", "chooseteam"},
    {"Menu item 0", "slot0"},
    {"Menu item 1", "slot1"},
    {"Menu item 2", "slot2"},
    {"Menu item 3", "slot3"},
    {"Menu item 4", "slot4"},
    {"Menu item 5", "slot5"},
    {"Menu item 6", "slot6"},
    {"Menu item 7", "slot7"},
    {"Menu item 8", "slot8"},
    {"Menu item 9", "slot9"},
    {"Display scores", "+showscores"},
    {"Recap mission briefing", "showbriefing"},
    {"Use item", "+use"},
    {"Flashlight", "impulse 100"},
    {"Spray logo", "impulse 201"},
    {"Take screen shot", "snapshot"},
    {"Cheer", "cheer"},
    {"Quit game", "quit"},
    {"Use voice commanication", "r1"},
    {"Standard radio messages", "radio1"},
    {"Group radio messages", "radio2"},
    {"Report radio messages", "radio3"},
    {"Activate in-game GUI", "+commandmenu"},
    {"Chat message", "messagemode"},
    {"Team chat message", "messagemode2"},
    {QT_TRANSLATE_NOOP("CommandRows", "Остановить звук"), "ss"},
    {QT_TRANSLATE_NOOP("CommandRows", "Двойной/одинарный прицел"), "sp0"},
    {QT_TRANSLATE_NOOP("CommandRows", "Сменить цвет прицела"), "cr"},
    {QT_TRANSLATE_NOOP("CommandRows", "Увел. громкость"), "vup"},
    {QT_TRANSLATE_NOOP("CommandRows", "Умен. громкость"), "vdn"},
    {QT_TRANSLATE_NOOP("CommandRows", "Рестарт раунда"), "rr1"},
    {QT_TRANSLATE_NOOP("CommandRows", "Показать/спрятать оружие"), "drawon"},
    {QT_TRANSLATE_NOOP("CommandRows", "Статус серверов"), "st"},
    {QT_TRANSLATE_NOOP("CommandRows", "Пауза в игре"), "pausable 1; pause"},
    {QT_TRANSLATE_NOOP("CommandRows", "Время раунда (остаток)"), "timeleft"},
}};

bool isRow(int row) {
    return row >= 0 && row < kRowCount;
}

} // namespace

QString caption(int row) {
    return isRow(row) ? QCoreApplication::translate("CommandRows", kRows[row].caption) : QString();
}

QString command(int row) {
    return isRow(row) ? QString::fromLatin1(kRows[row].command) : QString();
}

int keyField(int row) {
    if (!isRow(row))
        return -1;
    return row < kFirstAliasRow ? row : row + kFirstAliasRow;
}

// The alias rows' alternate fields come last, after all the key fields.
int alternateField(int row) {
    if (!isRow(row))
        return -1;
    return row < kFirstAliasRow ? row + kFirstAliasRow : row + kRowCount;
}

int rowOfField(int field) {
    if (field < 0 || field >= kFieldCount)
        return -1;
    if (field < 2 * kFirstAliasRow)
        return field % kFirstAliasRow;
    return field < kFirstAliasRow + kRowCount ? field - kFirstAliasRow : field - kRowCount;
}

QStringList bindLines(const KeyFieldGroup& fields) {
    QStringList lines;
    for (int i = 0; i < kFieldCount; ++i) {
        const QString key = fields.writtenName(i);
        if (!key.isEmpty())
            lines.append(bindLine(key, command(rowOfField(i))));
    }
    return lines;
}

} // namespace quelmar::commands
