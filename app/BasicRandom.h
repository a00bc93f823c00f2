#pragma once

#include <cstdint>

namespace quelmar {

// The classic BASIC generator behind Rnd: a 24-bit linear congruential
// sequence giving single-precision values in [0, 1). It is never seeded, so
// every run of the program sees the same numbers, and so the same flame.
class BasicRandom {
public:
    float next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return float(state_) / 16777216.0f;
    }

    // A whole number from 0 to n - 1: floor(n * Rnd).
    int below(int n) {
        const int v = int(float(n) * next());
        return v < n ? v : n - 1;
    }

private:
    std::uint32_t state_ = 0x50000u;
};

} // namespace quelmar
