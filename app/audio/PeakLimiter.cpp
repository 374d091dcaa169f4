#include "app/audio/PeakLimiter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace torvane {

PeakLimiter::PeakLimiter(double sampleRate)
    : release_(float(std::exp(-1 / (kReleaseSeconds * sampleRate)))) {}

// Above the threshold the envelope maps onto a hyperbola that leaves it with slope 1 and
// approaches the ceiling only slowly, so that even far louder peaks keep some of their shape.
float PeakLimiter::gain() const {
    if (envelope_ <= kThreshold) return 1;
    constexpr float kRoom = kCeiling - kThreshold;
    const float over = envelope_ - kThreshold;
    return (kThreshold + kRoom * over / (kRoom + over)) / envelope_;
}

void PeakLimiter::process(float* samples, int frames) {
    for (float* frame = samples; frame < samples + 2 * static_cast<std::ptrdiff_t>(frames);
         frame += 2) {
        const float peak = std::max(std::abs(frame[0]), std::abs(frame[1]));
        envelope_ = std::max(peak, envelope_ * release_);
        const float g = gain();
        frame[0] *= g;
        frame[1] *= g;
    }
}

}  // namespace torvane
