#pragma once

#include "platform/SoundCue.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace quelmar {

// Without a sound server (a machine with no sound card, CI) the audio back
// end complains on every cue; a missing cue is not worth a word. This sets
// process-wide logging, so the program calls it once as it starts, before
// any other thread runs; the message handler found before is kept for the
// rest. A second call changes nothing.
void quietAudioWarnings();

// Plays the embedded WAV cues from memory through Qt Multimedia. The cue's
// bytes stay in buffer_ until the next cue has replaced the sound, so the
// audio machinery never reads freed memory. Without an audio output (a
// server with no sound card, CI) play() does nothing and returns at once.
class QtSoundCue final : public QObject, public SoundCue {
    Q_OBJECT
  public:
    explicit QtSoundCue(QObject* parent = nullptr);
    ~QtSoundCue() override;

    void play(Cue cue) override;

  private:
    void stopCurrent();

    QByteArray buffer_;
    QBuffer* device_ = nullptr;
    QAudioSink* sink_ = nullptr;
};

} // namespace quelmar
