#include "app/audio/AudioPullDevice.h"

#include <cstddef>
#include <cstring>

namespace torvane {

namespace {
constexpr int kBytesPerFrame = 4;  // two channels of 16 bits
}  // namespace

AudioPullDevice::AudioPullDevice(AudioSource& source, int blockFrames, QObject* parent)
    : QIODevice(parent),
      source_(source),
      blockFrames_(blockFrames),
      block_(2 * static_cast<std::size_t>(blockFrames)) {
    open(QIODevice::ReadOnly);
}

qint64 AudioPullDevice::readData(char* data, qint64 maxSize) {
    if (ended_) return 0;
    const int frames = int(qMin<qint64>(maxSize / kBytesPerFrame, blockFrames_));
    const int rendered = source_.render(block_.data(), frames);
    ended_ = rendered < frames;
    std::memcpy(data, block_.data(), size_t(rendered) * kBytesPerFrame);
    return qint64(rendered) * kBytesPerFrame;
}

}  // namespace torvane
