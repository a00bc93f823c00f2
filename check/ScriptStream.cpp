#include "check/ScriptStream.h"

#include <algorithm>
#include <cstring>

namespace quelmar {
namespace {

constexpr qint64 kChunk = 64 * 1024;

bool anyText(const char* begin, const char* end) {
    return std::any_of(begin, end, [](char c) { return !isConsoleBlank(c); });
}

} // namespace

qint64 MemorySource::read(char* data, qint64 size) {
    const qint64 count = std::min(size, qint64(bytes_.size()) - at_);
    std::memcpy(data, bytes_.data() + at_, size_t(count));
    at_ += count;
    return count;
}

bool CommandStream::next(ConsoleCommand& command) {
    while (!reader_.next(command)) {
        if (ended_ || !refill())
            return false;
    }
    return true;
}

// Drops what the reader is done with and reads on until a chunk is in hand,
// or the source ends.
bool CommandStream::refill() {
    const qsizetype done = reader_.position();
    lines_.lineAt(done);
    window_.remove(0, done);
    base_ += done;
    while (!ended_ && window_.size() < kChunk)
        ended_ = !append(kChunk - window_.size());
    reader_ = ConsoleReader(window_, !ended_);
    lines_.moveOn(window_, done);
    return !failed_;
}

bool CommandStream::append(qint64 size) {
    const qsizetype old = window_.size();
    window_.resize(old + size);
    const qint64 got = source_.read(window_.data() + old, size);
    window_.resize(old + std::max(got, qint64(0)));
    failed_ = got < 0;
    const qsizetype nul = window_.indexOf('\0', old);
    if (nul >= 0) {
        nul_ = true;
        afterNul_ = anyText(window_.constData() + nul + 1, window_.constEnd());
        window_.truncate(nul);
        return false;
    }
    return got > 0;
}

bool CommandStream::textAfterNul() {
    QByteArray chunk(kChunk, Qt::Uninitialized);
    while (nul_ && !afterNul_ && !failed_) {
        const qint64 got = source_.read(chunk.data(), kChunk);
        failed_ = got < 0;
        if (got <= 0)
            break;
        afterNul_ = anyText(chunk.constData(), chunk.constData() + got);
    }
    return afterNul_;
}

} // namespace quelmar
