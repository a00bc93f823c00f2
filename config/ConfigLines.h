#pragma once

#include <QString>

namespace quelmar {

// The seven section headers of the script; each ends with one blank.
enum class Section { BuyWeapons, Commands, Video, Mouse, Sound, Player, Other };
QString sectionHeader(Section section);

// name "value"
QString settingLine(const QString& name, const QString& value);

// bind "key" "command"
QString bindLine(const QString& key, const QString& command);

} // namespace quelmar
