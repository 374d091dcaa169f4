#include "app/audio/PeakLimiter.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace torvane;

namespace {

constexpr double kRate = 44100;

// Interleaved stereo: a tone of `hz` whose amplitude at each frame is `amplitude(frame)`, the
// right channel a little softer and out of phase with the left.
template <typename Amplitude>
std::vector<float> Tone(double hz, int frames, Amplitude amplitude) {
    std::vector<float> samples;
    for (int frame = 0; frame < frames; ++frame) {
        const double phase = 2 * M_PI * hz * frame / kRate;
        samples.push_back(float(amplitude(frame) * std::sin(phase)));
        samples.push_back(float(0.8 * amplitude(frame) * std::sin(phase + 1)));
    }
    return samples;
}

std::vector<float> Limited(std::vector<float> samples) {
    PeakLimiter limiter(kRate);
    limiter.process(samples.data(), int(samples.size() / 2));
    return samples;
}

// A quiet tone with a loud burst in it that fades in and out over 5 ms.
std::vector<float> ToneWithBurst(std::mt19937& random) {
    const double hz = std::uniform_real_distribution(40.0, 4000.0)(random);
    const double loud = std::uniform_real_distribution(1.0, 3.0)(random);
    const int start = int(0.3 * kRate);
    const int length = int(std::uniform_real_distribution(0.02, 0.3)(random) * kRate);
    const int fade = int(0.005 * kRate);
    return Tone(hz, int(2.5 * kRate), [=](int frame) {
        const int inside = std::min(frame - start, start + length - frame);
        const double rise = std::clamp(double(inside) / fade, 0.0, 1.0);
        return 0.3 + (loud - 0.3) * (1 - std::cos(M_PI * rise)) / 2;
    });
}

}  // namespace

TEST(PeakLimiterTest, SignalsUnderTheThresholdPassUnchanged) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 20; ++trial) {
        const double hz = std::uniform_real_distribution(20.0, 15000.0)(random);
        const double peak =
            std::uniform_real_distribution(0.0, double(PeakLimiter::kThreshold))(random);
        const std::vector<float> tone = Tone(hz, int(kRate / 2), [=](int) { return peak; });
        EXPECT_EQ(Limited(tone), tone) << hz << " Hz at " << peak;
    }
}

// Under the ceiling at once, without a step the input did not take or a flattened wave top,
// and back to unity gain once the burst has faded from the envelope.
TEST(PeakLimiterTest, BurstsAreBroughtUnderTheCeilingSmoothly) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 20; ++trial) {
        const std::vector<float> in = ToneWithBurst(random);
        const std::vector<float> out = Limited(in);
        SCOPED_TRACE(trial);
        float loudest = 0;
        size_t steps = 0, flatTops = 0;
        for (size_t i = 2; i < out.size(); ++i) {
            loudest = std::max(loudest, std::abs(out[i]));
            // Both channels share the gain: a step may follow the other channel's movement.
            const size_t other = i ^ 1;
            const float moved = std::abs(in[i] - in[i - 2]) + std::abs(in[other] - in[other - 2]);
            steps += std::abs(out[i] - out[i - 2]) > moved + 2e-4f;
            flatTops += out[i] == out[i - 2] && std::abs(out[i]) > PeakLimiter::kThreshold;
        }
        EXPECT_LE(loudest, PeakLimiter::kCeiling);
        EXPECT_GT(loudest, PeakLimiter::kThreshold);
        EXPECT_EQ(steps, 0u);
        EXPECT_EQ(flatTops, 0u);
        const size_t tail = size_t(2 * kRate / 2);  // the last half second
        EXPECT_TRUE(std::equal(out.end() - tail, out.end(), in.end() - tail));
    }
}
