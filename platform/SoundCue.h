#pragma once

#include <QString>

#include <memory>

namespace quelmar {

// The moments the program confirms with a short sound. Each has a name of
// its own, even where two share a sound; cueSound() says which sound.
enum class Cue {
    KeyListening, // a key field starts listening
    KeyLocked,    // a key field locks
    KeyRefused,   // a typed key name is refused
    PageOpened,   // a menu entry opened its page
    ScriptSaved,  // the script has been saved
    AboutClosed,  // the about box has been closed
};

// Every cue, in the order above.
inline constexpr Cue kEveryCue[] = {Cue::KeyListening, Cue::KeyLocked,   Cue::KeyRefused,
                                    Cue::PageOpened,   Cue::ScriptSaved, Cue::AboutClosed};

// The embedded WAV image cue plays ("sounds/cue4.wav"); empty for a value
// that is no cue.
QString cueSound(Cue cue);

// play() starts the cue and returns at once; a new cue cuts the one still
// playing. A cue that cannot be played is silently skipped.
class SoundCue {
  public:
    virtual ~SoundCue() = default;
    virtual void play(Cue cue) = 0;
};

// This platform's player of the embedded cues (Qt Multimedia on Linux, the
// system's own PlaySound on Windows). Made once as the program starts: it
// may set process-wide things, such as which log messages show.
std::unique_ptr<SoundCue> makeSoundCue();

} // namespace quelmar
