#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

class KeyFieldGroup;

// The 65 commands of the command page. Each row has a caption, the command
// its keys are bound to, and two key fields, the key and the alternate
// (captioned "Key" and "Altenate"):
//   rows 0 to 54:  fields r and r + 55
//   rows 55 to 64: fields r + 55 and r + 65
// so the fields run: keys of rows 0-54, alternates of rows 0-54, keys of
// rows 55-64, alternates of rows 55-64.
namespace commands {

constexpr int kRowCount = 65;
constexpr int kFieldCount = 130;
// The first of the rows with Russian captions, the aliases of the preamble.
constexpr int kFirstAliasRow = 55;

QString caption(int row);
QString command(int row);
int keyField(int row);
int alternateField(int row);
// The row a field belongs to, or -1 for an index outside 0-129.
int rowOfField(int field);

// One bind line per non-empty field, by field index: the key name exactly as
// the field shows it (or as an opened script spelled it), blanks included,
// and the row's command.
QStringList bindLines(const KeyFieldGroup& fields);

} // namespace commands
} // namespace quelmar
