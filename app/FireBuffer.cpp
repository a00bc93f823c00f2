#include "app/FireBuffer.h"

#include <algorithm>
#include <cmath>

namespace quelmar {

FireBuffer::FireBuffer() {
    seed();
}

void FireBuffer::seed() {
    cells_.fill(0);
    for (int y = kHotRow; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            setHeat(x, y, kFullHeat);
}

std::uint8_t FireBuffer::cooled(std::uint8_t heat, int k) {
    const int value = int(heat) - k;
    return value >= 0 ? std::uint8_t(value) : heat;
}

std::uint32_t FireBuffer::colourOf(std::uint8_t heat) {
    const int c = int(std::floor(double(heat) * 5.12));
    const int red = std::min(2 * c, 255);
    const int green = std::min(c, 255);
    // c / 2 with halves to even: an odd c ends in .5 and goes to the even side.
    const int half = c / 2;
    const int blue = std::min((c % 2 == 1 && half % 2 == 1) ? half + 1 : half, 255);
    return 0xFF000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 |
           std::uint32_t(blue);
}

int FireBuffer::pixelColumn(int x, float r) {
    return x + int(std::nearbyint(2.0f * r));
}

void FireBuffer::frame(BasicRandom& random, Picture& picture) {
    for (int y = kRows - 1; y >= kTopRow; --y) {
        for (int x = 0; x < kColumns; ++x) {
            std::uint8_t& cell = cells_[index(x, y)];
            cell = cooled(cell, random.below(3));
            const int rise = random.below(3);
            cells_[index(x, y - rise)] = cell;
            const int column = pixelColumn(x, random.next());
            picture[y * kPictureWidth + column] = colourOf(cell);
        }
    }
    for (int y = kHotRow; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            setHeat(x, y, kFullHeat);
}

} // namespace quelmar
