#pragma once

#include <QtGlobal>

namespace torvane {

// A piece of music as a stream of 16-bit interleaved stereo frames.
class AudioSource {
public:
    virtual ~AudioSource() = default;

    virtual int sampleRate() const = 0;
    // Writes up to `frames` frames into `out` and returns how many it wrote; fewer than asked
    // only at the end of the piece.
    virtual int render(qint16* out, int frames) = 0;
    // Goes back to the start of the piece.
    virtual void rewind() = 0;
};

}  // namespace torvane
