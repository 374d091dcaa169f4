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
// fails, the source is rendered all the same at real-time pace and the samples are dropped, so
// a piece lasts as long as it would sound and then ends. All rendering happens on the thread
// that owns this object.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    explicit AudioOutput(QObject* parent = nullptr);
    ~AudioOutput() override;

    // Plays `source` from where it stands; it must stay alive until stop() or finished().
    void start(AudioSource* source);
    void stop();

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
