#pragma once

#include <memory>

namespace quelmar {

// The five short confirmation sounds; each value is the id of its embedded
// WAV image (sounds/cue<id>.wav).
enum class Cue {
    KeyListening = 1, // a key field starts listening
    KeyLocked = 2,    // a key field locks
    KeyRefused = 3,   // a typed key name is refused
    PageOpened = 4,   // a menu entry opened its page
    ScriptSaved = 4,  // the script has been saved: the same sound
    AboutClosed = 5,  // the about box has been closed
};

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
