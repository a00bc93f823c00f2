#pragma once

#include <QString>

namespace quelmar {

// The program's fixed texts by id, exactly as stored (they are plain ASCII):
//   101  the alias preamble that opens every script (127 lines, CR LF each)
//   102  reset"   the tail of every buy bind
//   103  "        the quote around every value
QString stringResource(int id);

// The one-character quote of resource 103, kept at hand for line builders.
const QString& quote();

} // namespace quelmar
