#include "platform/SoundCue.h"

#include "platform/WavFormat.h"
#include "resources/Assets.h"

#include <QByteArray>

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace quelmar {

namespace {

void stopSound() {
    ::PlaySoundW(nullptr, nullptr, 0);
}

// Plays the embedded WAV cues from memory with the system's PlaySound, so
// the Windows program needs no Qt Multimedia. PlaySound reads the image in
// place: it stays in playing_ until the next cue or the end has stopped the
// sound. Without a sound device PlaySound fails at once, and the cue is
// skipped.
class WinSoundCue final : public SoundCue {
  public:
    WinSoundCue() = default;
    ~WinSoundCue() override { stopSound(); }
    WinSoundCue(const WinSoundCue&) = delete;
    WinSoundCue& operator=(const WinSoundCue&) = delete;

    void play(Cue cue) override {
        QByteArray image = assetBytes(cueSound(cue));
        if (!parseWav(image))
            return;
        // The old sound stops before its bytes are let go.
        stopSound();
        playing_ = std::move(image);
        ::PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.constData()), nullptr,
                     SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }

  private:
    QByteArray playing_;
};

} // namespace

std::unique_ptr<SoundCue> makeSoundCue() {
    return std::make_unique<WinSoundCue>();
}

} // namespace quelmar
