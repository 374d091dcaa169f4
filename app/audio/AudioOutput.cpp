#include "app/audio/AudioOutput.h"

#include "app/audio/AudioPullDevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace torvane {

namespace {
constexpr int kPaceIntervalMs = 40;
constexpr int kMaxCatchUpMs = 500;  // after a longer stall the paced output skips ahead
// A low-latency stream: the server holds 70 ms and the source renders 23 ms at a time. Qt 6.4's
// PulseAudio sink stops pulling from a buffer much shorter than 70 ms, and with its own
// buffer and 93 ms blocks a sound comes about 140 ms late.
constexpr int kLowLatencyBufferMs = 70;
constexpr int kLowLatencyBlockFrames = 1024;
}  // namespace

AudioOutput::AudioOutput(QObject* parent, WithoutDevice withoutDevice)
    : QObject(parent), withoutDevice_(withoutDevice) {
    paceTimer_.setInterval(kPaceIntervalMs);
    connect(&paceTimer_, &QTimer::timeout, this, &AudioOutput::renderPaced);
}

AudioOutput::~AudioOutput() {
    delete sink_;
    delete pull_;
}

void AudioOutput::start(AudioSource* source) {
    stop();
    source_ = source;
    if (!startSink()) startPaced();
}

void AudioOutput::stop() {
    paceTimer_.stop();
    releaseSink();
    source_ = nullptr;
}

bool AudioOutput::startSink() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(source_->sampleRate());
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) return false;
    sink_ = new QAudioSink(device, format);
    if (lowLatency_)
        sink_->setBufferSize(
            qsizetype(format.bytesForDuration(qint64{kLowLatencyBufferMs} * 1000)));
    pull_ = new AudioPullDevice(
        *source_, lowLatency_ ? kLowLatencyBlockFrames : AudioPullDevice::kDefaultBlockFrames);
    connect(sink_, &QAudioSink::stateChanged, this, &AudioOutput::onSinkStateChanged);
    sink_->start(pull_);
    if (sink_->error() == QAudio::NoError) return true;
    releaseSink();
    return false;
}

// Called from the sink's own signals too, hence the deferred deletion; the sink goes first.
void AudioOutput::releaseSink() {
    if (!sink_) return;
    sink_->disconnect(this);
    sink_->stop();
    sink_->deleteLater();
    pull_->deleteLater();
    sink_ = nullptr;
    pull_ = nullptr;
}

void AudioOutput::onSinkStateChanged(QAudio::State state) {
    if (state == QAudio::IdleState && pull_->ended()) {
        end();
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        // The device went away: the piece goes on without sound.
        releaseSink();
        startPaced();
    }
}

void AudioOutput::startPaced() {
    if (withoutDevice_ == WithoutDevice::Stop) {
        source_ = nullptr;
        return;
    }
    pacedFrames_ = 0;
    paceClock_.start();
    paceTimer_.start();
}

// Renders the frames that have fallen due since the last tick, in one block.
void AudioOutput::renderPaced() {
    const qint64 rate = source_->sampleRate();
    const qint64 due = paceClock_.elapsed() * rate / 1000;
    pacedFrames_ = qMax(pacedFrames_, due - rate * kMaxCatchUpMs / 1000);
    const int frames = int(due - pacedFrames_);
    paceBlock_.resize(2 * size_t(frames));
    const int rendered = source_->render(paceBlock_.data(), frames);
    pacedFrames_ = due;
    if (rendered < frames) end();
}

void AudioOutput::end() {
    stop();
    emit finished();
}

}  // namespace torvane
