#pragma once

#include <QString>

namespace quelmar {

// Copies the script at source to destination, replacing an existing file.
// The destination is written beside itself and renamed into place, so it
// ends up either complete or untouched. Returns false with a reason on
// failure.
bool copyScript(const QString& source, const QString& destination, QString* error = nullptr);

} // namespace quelmar
