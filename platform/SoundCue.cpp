#include "platform/SoundCue.h"

namespace quelmar {

namespace {

// Each cue and the number of its sound; opening a page and the save share one.
constexpr struct {
    Cue cue;
    int sound;
} kSounds[] = {
    {Cue::KeyListening, 1}, {Cue::KeyLocked, 2},   {Cue::KeyRefused, 3},
    {Cue::PageOpened, 4},   {Cue::ScriptSaved, 4}, {Cue::AboutClosed, 5},
};

} // namespace

QString cueSound(Cue cue) {
    for (const auto& s : kSounds) {
        if (s.cue == cue)
            return QStringLiteral("sounds/cue%1.wav").arg(s.sound);
    }
    return {};
}

} // namespace quelmar
