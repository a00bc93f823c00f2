#include "platform/QtSoundCue.h"

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

} // namespace

void quietAudioWarnings() {
    static const bool installed = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*.warning=false"));
        previousHandler = qInstallMessageHandler(quietAudioHandler);
        return true;
    }();
    Q_UNUSED(installed);
}

std::unique_ptr<SoundCue> makeSoundCue() {
    quietAudioWarnings();
    return std::make_unique<QtSoundCue>();
}

QtSoundCue::QtSoundCue(QObject* parent) : QObject(parent) {}

QtSoundCue::~QtSoundCue() {
    stopCurrent();
}

void QtSoundCue::stopCurrent() {
    if (sink_) {
        sink_->stop();
        delete sink_;
        sink_ = nullptr;
    }
    delete device_;
    device_ = nullptr;
}

void QtSoundCue::play(Cue cue) {
    const QByteArray image = assetBytes(QStringLiteral("sounds/cue%1.wav").arg(int(cue)));
    const auto wav = parseWav(image);
    if (!wav)
        return;

    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return;
    const QAudioFormat format = audioFormatOf(*wav);
    if (!output.isFormatSupported(format))
        return;

    // The old sound stops before its bytes are let go.
    stopCurrent();
    buffer_ = image;

    device_ = new QBuffer(this);
    device_->setData(buffer_.constData() + wav->dataOffset, wav->dataSize);
    device_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(output, format, this);
    sink_->start(device_);
}

} // namespace quelmar
