#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

// The seven section headers of the script; each ends with one blank.
enum class Section { BuyWeapons, Commands, Video, Mouse, Sound, Player, Other };
QString sectionHeader(Section section);
// The header over the lines kept from a script the player opened.
QString keptLinesHeader();

// A section's lines under its header, as a page writes them.
struct SectionLines {
    Section section;
    QStringList lines;
};

// Text the player typed or pasted, as it goes into the script. Control
// characters (below 32, and 127: line breaks, NUL, ESC, DEL) would cut the
// console's line or hide in it, so they are dropped; everything else stays
// as typed.
QString typedText(QString typed);

// name "value"
QString settingLine(const QString& name, const QString& value);

// bind "key" "command"
QString bindLine(const QString& key, const QString& command);

} // namespace quelmar
