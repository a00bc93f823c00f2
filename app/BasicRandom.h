#pragma once

#include <cstdint>

namespace quelmar {

// The classic BASIC generator behind Rnd: a 24-bit linear congruential
// sequence giving single-precision values raw / 2^24 in [0, 1). It is never
// seeded, so every run of the program sees the same numbers, and so the same
// flame. The flame takes its draws three at a time as raw integers and does
// its rounding on those; tst_mainmenu holds the plain Rnd it must agree with.
class BasicRandom {
  public:
    // floor(3 * Rnd): 0, 1 or 2. In single precision 3 * Rnd is exact up to
    // rounding that never crosses a whole number, so integer arithmetic on
    // the raw value gives the same result without any floating point.
    static int belowThreeOfRaw(std::uint32_t raw) { return int((3u * raw) >> 24); }

    // The next three raw values at once. Each is computed straight from the
    // current state, so the three multiplications do not wait on each other.
    struct Three {
        std::uint32_t first, second, third;
    };
    Three stepThree() {
        const std::uint32_t s = state_;
        Three t{(kA * s + kC) & kMask, (kA2 * s + kC2) & kMask, (kA3 * s + kC3) & kMask};
        state_ = t.third;
        return t;
    }

  private:
    // One step: s' = a s + c modulo 2^24.
    static constexpr std::uint32_t kA = 0x43FD43FDu;
    static constexpr std::uint32_t kC = 0xC39EC3u;
    static constexpr std::uint32_t kMask = 0xFFFFFFu;
    // Two and three steps in one: s2 = a^2 s + (a + 1) c, s3 = a^3 s + (a^2 + a + 1) c,
    // all modulo 2^24 (unsigned wrap-around is modulo 2^32, a multiple of it).
    static constexpr std::uint32_t kA2 = kA * kA;
    static constexpr std::uint32_t kC2 = (kA + 1u) * kC;
    static constexpr std::uint32_t kA3 = kA2 * kA;
    static constexpr std::uint32_t kC3 = (kA2 + kA + 1u) * kC;

    std::uint32_t state_ = 0x50000u;
};

} // namespace quelmar
