#include "platform/WinSoundCue.h"

#include "platform/WavFormat.h"
#include "resources/Assets.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace quelmar {

namespace {

void stopSound() {
    ::PlaySoundW(nullptr, nullptr, 0);
}

} // namespace

std::unique_ptr<SoundCue> makeSoundCue() {
    return std::make_unique<WinSoundCue>();
}

WinSoundCue::~WinSoundCue() {
    stopSound();
}

void WinSoundCue::play(Cue cue) {
    QByteArray image = assetBytes(QStringLiteral("sounds/cue%1.wav").arg(int(cue)));
    if (!parseWav(image))
        return;
    // The old sound stops before its bytes are let go.
    stopSound();
    playing_ = std::move(image);
    ::PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.constData()), nullptr,
                 SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

} // namespace quelmar
