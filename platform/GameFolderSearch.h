#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace quelmar {

// The game's folder for the Save As dialog, looked up on a thread of its
// own under the player's home: a hung network folder must not freeze the
// window. Past the deadline the answer is the empty string (the dialog's
// default folder) and the lookup is left to finish or hang on its own.
QString findGameFolderWithin(std::chrono::milliseconds deadline = std::chrono::seconds(2));

// Runs search on a new thread and gives its result, or nothing when it has
// not returned within the deadline (or no thread could be started).
std::optional<QString> resultWithin(std::function<QString()> search,
                                    std::chrono::milliseconds deadline);

} // namespace quelmar
