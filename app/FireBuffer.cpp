#include "app/FireBuffer.h"

#include <algorithm>
#include <cmath>

namespace quelmar {

FireBuffer::FireBuffer() {
    for (int heat = 0; heat < 256; ++heat)
        palette_[heat] = colourOf(std::uint8_t(heat));
    seed();
}

void FireBuffer::seed() {
    cells_.fill(0);
    fuel();
}

void FireBuffer::fuel() {
    std::fill(cells_.begin() + index(0, kHotRow), cells_.end(), kFullHeat);
}

std::uint32_t FireBuffer::colourOf(std::uint8_t heat) {
    const int c = int(std::floor(double(heat) * 5.12));
    const int red = std::min(2 * c, 255);
    const int green = std::min(c, 255);
    // c / 2 with halves to even: an odd c ends in .5 and goes to the even side.
    const int half = c / 2;
    const int blue = std::min((c % 2 == 1 && half % 2 == 1) ? half + 1 : half, 255);
    return 0xFF000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | std::uint32_t(blue);
}

void FireBuffer::frame(BasicRandom& random, Picture& picture) {
    // Work on local copies: byte stores into the cells may alias anything as
    // far as the compiler knows, which would pin the generator in memory.
    BasicRandom rng = random;
    std::uint8_t* const cells = cells_.data();
    std::uint32_t* const pixels = picture.data();
    const std::uint32_t* const palette = palette_.data();
    for (int y = kRows - 1; y >= kTopRow; --y) {
        std::uint8_t* const row = cells + index(0, y);
        std::uint32_t* const line = pixels + y * kPictureWidth;
        for (int x = 0; x < kColumns; ++x) {
            const BasicRandom::Three draw = rng.stepThree();
            const std::uint8_t cell = cooled(row[x], BasicRandom::belowThreeOfRaw(draw.first));
            row[x] = cell;
            const int rise = BasicRandom::belowThreeOfRaw(draw.second);
            row[x - rise * kColumns] = cell;
            line[pixelColumnOfRaw(x, draw.third)] = palette[cell];
        }
    }
    random = rng;
    fuel();
}

} // namespace quelmar
