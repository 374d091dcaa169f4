#pragma once

#include "app/audio/AudioSource.h"

#include <QAudio>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

class QAudioSink;

namespace torvane {

class AudioPullDevice;

// Plays an AudioSource on the default audio output. Without an audio device, or when the device
// fails, a piece of music is rendered all the same at real-time pace and the samples are
// dropped, so that it lasts as long as it would sound and then ends; an endless source (the
// sound effects) is simply not played then. All rendering happens on the thread that owns this
// object.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    enum class WithoutDevice { Pace, Stop };

    explicit AudioOutput(QObject* parent = nullptr,
                         WithoutDevice withoutDevice = WithoutDevice::Pace);
    ~AudioOutput() override;

    // Asks for a stream on which what the source starts is heard soon (about 45 ms on a
    // PulseAudio server), rather than one that wakes the program seldom. Applies from the next
    // start().
    void setLowLatency(bool on) { lowLatency_ = on; }
    // Plays `source` from where it stands; it must stay alive until stop() or finished().
    void start(AudioSource* source);
    void stop();
    // True while a stream of the sound server plays the source.
    bool onDevice() const { return sink_ != nullptr; }

signals:
    // The source has run out; the output has stopped.
    void finished();

private:
    bool startSink();
    void releaseSink();
    void onSinkStateChanged(QAudio::State state);
    void startPaced();
    void renderPaced();
    void end();

    WithoutDevice withoutDevice_;
    bool lowLatency_ = false;
    AudioSource* source_ = nullptr;
    // Without a parent: Qt 6.4 gives the sink's platform part the sink's parent, which then
    // deletes that part a second time.
    QAudioSink* sink_ = nullptr;
    AudioPullDevice* pull_ = nullptr;
    QTimer paceTimer_;
    QElapsedTimer paceClock_;
    qint64 pacedFrames_ = 0;
    std::vector<qint16> paceBlock_;
};

}  // namespace torvane
