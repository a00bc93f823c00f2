#pragma once

#include <QString>

namespace quelmar {

// The text of steps / divisor (divisor 1, 10 or 100) in its shortest exact
// decimal form: "0", "0.1", "2.5", "0.07", "1", "-0.5". Computed on whole
// numbers only, so no binary rounding can ever reach the script.
QString numberText(int steps, int divisor);

} // namespace quelmar
