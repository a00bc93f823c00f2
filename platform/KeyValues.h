#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace quelmar {

// Blocks nest this deep at most. Steam's own lists and manifests go four
// deep; a file that goes past this is made to be trouble.
constexpr int kMaxKeyValueDepth = 32;

// Reads KeyValues text as Steam writes it (quoted or bare keys and values,
// nested braces, backslash escapes, // comments) and hands take every value
// in file order, with the keys of the blocks that lead to it and its own:
// "libraryfolders" { "1" { "path" "/games" } } gives keys
// {"libraryfolders", "1", "path"} and value "/games". The keys are lent for
// the call, never copied per value, so time and memory grow with the text
// alone, however it nests. Anything that does not hold together (an open
// quote or brace, a stray closing brace, a key without a value) or nests
// deeper than kMaxKeyValueDepth gives false, and what take was handed must
// then be dropped: a half-read file must not be mistaken for a whole one.
bool parseKeyValues(QByteArrayView text,
                    const std::function<void(const QStringList& keys, const QString& value)>& take);

} // namespace quelmar
