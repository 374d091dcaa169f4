#pragma once

// Records a PulseAudio sink's monitor with parec and finds the sounds in it: a sound starts
// where a sample rises above the threshold after at least kQuietMs of quiet.

#include <QProcess>
#include <QtGlobal>
#include <cstdlib>
#include <vector>

namespace torvane {

class MonitorRecorder {
public:
    static constexpr int kRate = 44100;
    static constexpr int kThreshold = 3000;  // of 32767: about -21 dBFS
    static constexpr int kQuietMs = 30;

    explicit MonitorRecorder(const QString& monitor) {
        parec_.start("parec", {"--device=" + monitor, "--raw", "--format=s16le", "--channels=1",
                               "--rate=" + QString::number(kRate), "--latency-msec=5"});
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { Take(); });
    }
    ~MonitorRecorder() {
        parec_.kill();
        parec_.waitForFinished(5000);
    }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool started() { return parec_.waitForStarted(5000); }
    // Frames recorded so far, with whatever has arrived and is waiting in the pipe.
    qint64 frames() {
        Take();
        return frames_;
    }
    // The first frame of each sound found so far.
    const std::vector<qint64>& onsets() const { return onsets_; }
    // True while the latest frames are quiet.
    bool quiet() const { return quietFrames_ >= kRate * kQuietMs / 1000; }

private:
    void Take() {
        pending_ += parec_.readAllStandardOutput();
        const qsizetype whole = pending_.size() / 2 * 2;
        const auto* samples = reinterpret_cast<const qint16*>(pending_.constData());
        for (qsizetype i = 0; i < whole / 2; ++i, ++frames_) {
            if (std::abs(int(samples[i])) <= kThreshold) {
                ++quietFrames_;
                continue;
            }
            if (quiet()) onsets_.push_back(frames_);
            quietFrames_ = 0;
        }
        pending_.remove(0, whole);
    }

    QProcess parec_;
    QByteArray pending_;
    qint64 frames_ = 0;
    qint64 quietFrames_ = kRate;  // the recording starts in quiet
    std::vector<qint64> onsets_;
};

}  // namespace torvane
