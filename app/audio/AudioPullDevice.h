#pragma once

#include "app/audio/AudioSource.h"

#include <QIODevice>
#include <vector>

namespace torvane {

// Lets an audio sink pull 16-bit stereo bytes from an AudioSource as it needs them.
class AudioPullDevice : public QIODevice {
    Q_OBJECT
public:
    static constexpr int kDefaultBlockFrames = 4096;  // about 93 ms at 44100 Hz

    // `blockFrames` is the most rendered for one read: what the source starts is heard only
    // after the block being played, so a short block hears it sooner.
    explicit AudioPullDevice(AudioSource& source, int blockFrames = kDefaultBlockFrames,
                             QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    // True once the source has run out.
    bool ended() const { return ended_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    AudioSource& source_;
    int blockFrames_;
    std::vector<qint16> block_;
    bool ended_ = false;
};

}  // namespace torvane
