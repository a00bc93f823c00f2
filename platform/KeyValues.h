#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace quelmar {

// One value of a Valve KeyValues text file, with the keys of the blocks
// that lead to it: "libraryfolders" { "1" { "path" "/games" } } gives
// keys {"libraryfolders", "1", "path"} and value "/games".
struct KeyValue {
    QStringList keys;
    QString value;
};

// Reads KeyValues text as Steam writes it (quoted or bare keys and values,
// nested braces, backslash escapes, // comments), every value in file order.
// Anything that does not hold together (an open quote or brace, a stray
// closing brace, a key without a value) gives nullopt: a half-read file
// must not be mistaken for a whole one.
std::optional<QList<KeyValue>> parseKeyValues(const QByteArray& text);

} // namespace quelmar
