#include "platform/SoundCue.h"

#include "platform/WavFormat.h"
#include "resources/Assets.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QLoggingCategory>
#include <QMediaDevices>

namespace quelmar {

namespace {

QAudioFormat audioFormatOf(const WavFormat& wav) {
    QAudioFormat format;
    format.setSampleRate(wav.sampleRate);
    format.setChannelCount(wav.channels);
    format.setSampleFormat(wav.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

QtMessageHandler previousHandler = nullptr;

void quietAudioHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

// Without a sound server (a machine with no sound card, CI) the audio back
// end complains on every cue; a missing cue is not worth a word. This sets
// process-wide logging, so it runs once as the program starts, before any
// other thread; the message handler found before is kept for the rest.
void quietAudioWarnings() {
    static const bool installed = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*.warning=false"));
        previousHandler = qInstallMessageHandler(quietAudioHandler);
        return true;
    }();
    Q_UNUSED(installed);
}

// Plays the embedded WAV cues from memory through Qt Multimedia. The buffer
// holds its own copy of the samples, so nothing it reads can be freed under
// it. Without an audio output play() does nothing and returns at once.
class QtSoundCue final : public SoundCue {
  public:
    ~QtSoundCue() override { stopCurrent(); }

    void play(Cue cue) override {
        const QByteArray image = assetBytes(cueSound(cue));
        const auto wav = parseWav(image);
        if (!wav)
            return;
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return;
        const QAudioFormat format = audioFormatOf(*wav);
        if (!output.isFormatSupported(format))
            return;

        // The sink stops before the buffer it reads goes.
        stopCurrent();
        device_ = std::make_unique<QBuffer>();
        device_->setData(image.constData() + wav->dataOffset, wav->dataSize);
        device_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(output, format);
        sink_->start(device_.get());
    }

  private:
    void stopCurrent() {
        if (sink_)
            sink_->stop();
        sink_.reset();
        device_.reset();
    }

    std::unique_ptr<QBuffer> device_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

std::unique_ptr<SoundCue> makeSoundCue() {
    quietAudioWarnings();
    return std::make_unique<QtSoundCue>();
}

} // namespace quelmar
