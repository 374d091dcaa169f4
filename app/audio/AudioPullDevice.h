#pragma once

#include "app/audio/AudioSource.h"

#include <QIODevice>
#include <vector>

namespace torvane {

// Lets an audio sink pull 16-bit stereo bytes from an AudioSource as it needs them.
class AudioPullDevice : public QIODevice {
    Q_OBJECT
public:
    AudioPullDevice(AudioSource& source, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    // True once the source has run out.
    bool ended() const { return ended_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    AudioSource& source_;
    std::vector<qint16> block_;
    bool ended_ = false;
};

}  // namespace torvane
