#pragma once

namespace quelmar {

// Short confirmation sounds, ids 1 to 5:
//   1 a key field starts listening      2 a key field locks
//   3 a typed key name is refused       4 a page opens / the script is saved
//   5 the about box has been closed
// play() starts the cue and returns at once; a new cue cuts the one still
// playing. A cue that cannot be played is silently skipped.
class SoundCue {
  public:
    virtual ~SoundCue() = default;
    virtual void play(int id) = 0;
};

} // namespace quelmar
