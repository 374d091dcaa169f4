#pragma once

namespace torvane {

// Keeps interleaved stereo float samples (full scale 1.0) under a ceiling without look-ahead.
// A peak envelope follows the louder channel: it jumps up to each new peak at once and falls
// back slowly. Below the threshold the samples pass untouched; above it, a soft knee bends the
// envelope towards the ceiling, which it never reaches, so waves are squeezed rather than cut
// flat, and the gain comes back smoothly as the envelope falls. Both channels get the same
// gain, which keeps the stereo image.
class PeakLimiter {
public:
    static constexpr float kThreshold = 0.5f;  // -6 dBFS
    static constexpr float kCeiling = 0.9f;    // about -1 dBFS
    static constexpr double kReleaseSeconds = 0.25;

    explicit PeakLimiter(double sampleRate);

    void process(float* samples, int frames);
    // Forgets past peaks, for a piece that starts again.
    void reset() { envelope_ = 0; }

private:
    float gain() const;

    float release_;  // the envelope's factor per frame
    float envelope_ = 0;
};

}  // namespace torvane
