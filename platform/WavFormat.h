#pragma once

#include <QByteArray>

#include <optional>

namespace quelmar {

// What the header of a RIFF WAVE image with plain PCM data says.
struct WavFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; // first byte of the samples
    qsizetype dataSize = 0;   // bytes of samples

    double seconds() const;
};

// Reads the fmt and data chunks; nullopt for anything that is not PCM WAVE.
std::optional<WavFormat> parseWav(const QByteArray& image);

} // namespace quelmar
