#pragma once

#include "app/BasicRandom.h"

#include <array>
#include <cstdint>

namespace quelmar {

// The heat field behind the main menu's flame: 201 x 51 cells, y growing
// downward, rows 46 to 50 kept at full heat. Each frame cools the cells at
// random, lifts them up to two rows and plots one pixel per cell into a
// picture that keeps whatever earlier frames left in it.
class FireBuffer {
  public:
    static constexpr int kColumns = 201;
    static constexpr int kRows = 51;
    static constexpr int kHotRow = 46; // rows 46..50 are the fuel
    static constexpr int kTopRow = 4;  // rows above this are never drawn
    static constexpr std::uint8_t kFullHeat = 50;

    // The strip the flame is drawn on.
    static constexpr int kPictureWidth = 207;
    static constexpr int kPictureHeight = 57;
    using Picture = std::array<std::uint32_t, kPictureWidth * kPictureHeight>; // 0xAARRGGBB

    FireBuffer();

    // Every cell cold, then the fuel rows at full heat.
    void seed();

    // One frame: rows from the bottom up, columns left to right; then the
    // fuel rows are heated again.
    void frame(BasicRandom& random, Picture& picture);

  private:
    // The colour of a cell's heat: red 2c, green c, blue c / 2 (half to
    // even), each at most 255, where c = floor(heat * 5.12).
    static std::uint32_t colourOf(std::uint8_t heat);

    // Cooling by k: the cell keeps its heat when it would drop below zero.
    static std::uint8_t cooled(std::uint8_t heat, int k) {
        const int value = int(heat) - k;
        return value >= 0 ? std::uint8_t(value) : heat;
    }

    // The pixel column of cell column x for a draw r = raw / 2^24: x plus 2r
    // rounded half to even, so x, x + 1 or x + 2.
    static int pixelColumnOfRaw(int x, std::uint32_t raw) {
        // 2r = raw / 2^23: whole part raw >> 23, fraction against the half 2^22.
        constexpr std::uint32_t kHalf = 1u << 22;
        const std::uint32_t whole = raw >> 23;
        const std::uint32_t fraction = raw & ((1u << 23) - 1);
        const bool up = fraction > kHalf || (fraction == kHalf && (whole & 1u));
        return x + int(whole + (up ? 1 : 0));
    }

    static int index(int x, int y) { return y * kColumns + x; }
    void fuel();

    std::array<std::uint8_t, kColumns * kRows> cells_{};
    std::array<std::uint32_t, 256> palette_{}; // colourOf for every heat
};

} // namespace quelmar
