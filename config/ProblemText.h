#pragma once

#include "config/FileError.h"
#include "config/Wording.h"

#include <QString>

namespace quelmar {

// What is wrong with a file, in our own words (the system's text only for
// rare codes): "нет прав доступа", in the player's language or in English.
QString problemText(const FileError& error, const Wording& wording = Wording::player());

// The input limit as a text names it ("16 МиБ").
QString limitText(const Wording& wording = Wording::player());

} // namespace quelmar
