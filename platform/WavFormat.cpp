#include "platform/WavFormat.h"

#include <QtEndian>

namespace quelmar {

double WavFormat::seconds() const {
    const int frameBytes = channels * bitsPerSample / 8;
    if (frameBytes <= 0 || sampleRate <= 0)
        return 0.0;
    return double(dataSize / frameBytes) / sampleRate;
}

std::optional<WavFormat> parseWav(const QByteArray& image) {
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(image.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(image.constData() + at); };

    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return std::nullopt;

    WavFormat format;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArray id = image.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > image.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || u16(body) != 1) // 1: uncompressed PCM
                return std::nullopt;
            format.channels = u16(body + 2);
            format.sampleRate = int(u32(body + 4));
            format.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            format.dataOffset = body;
            format.dataSize = size;
            return format;
        }
        at = body + size + (size & 1); // chunks are padded to even length
    }
    return std::nullopt;
}

} // namespace quelmar
