#pragma once

#include "platform/SoundCue.h"

#include <QByteArray>

namespace quelmar {

// Plays the embedded WAV cues from memory with the system's PlaySound, so
// the Windows program needs no Qt Multimedia. The cue's bytes stay in
// playing_ until the next cue or the end has stopped the sound, so the
// system never reads freed memory. Without a sound device PlaySound fails
// at once, and the cue is skipped.
class WinSoundCue final : public SoundCue {
  public:
    WinSoundCue() = default;
    ~WinSoundCue() override;
    WinSoundCue(const WinSoundCue&) = delete;
    WinSoundCue& operator=(const WinSoundCue&) = delete;

    void play(Cue cue) override;

  private:
    QByteArray playing_;
};

} // namespace quelmar
