#pragma once

#include "platform/SoundCue.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace quelmar {

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
