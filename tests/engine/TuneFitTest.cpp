// The tuning tool's fit: results drawn from known weights through the sigmoid must give those
// weights back, and the scale they were drawn with.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/tune/Fit.h"

namespace torvane::tune {
namespace {

using namespace engine;

TEST(TuneFit, RecoversTheWeightsAndScaleBehindSyntheticResults) {
    RealWeights truth{};
    truth[kTempo] = 40;
    truth[kRats] = 300;
    truth[kLions] = 700;
    truth[kMobility] = 10;
    const double k = 0.004;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> uniform(0, 1);
    auto between = [&](int lo, int hi) {
        return static_cast<float>(lo +
                                  static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1)));
    };
    std::vector<Sample> samples(10000);
    for (Sample& s : samples) {
        s.counts[kTempo] = between(0, 1) * 2 - 1;
        s.counts[kRats] = between(-2, 2);
        s.counts[kLions] = between(-1, 1);
        s.counts[kMobility] = between(-20, 20);
        double eval = 0;
        for (int i = 0; i < kTermCount; ++i) eval += s.counts[i] * truth[i];
        s.result = uniform(random) < 1 / (1 + std::exp(-k * eval)) ? 1.0f : 0.0f;
    }
    EXPECT_NEAR(FitScale(samples, truth), k, k * 0.1);

    RealWeights fitted = FitWeights(samples, RealWeights{}, k, {}, 3000, [](int, double) {});
    for (int term : {kTempo, kRats, kLions, kMobility})
        EXPECT_NEAR(fitted[term], truth[term], 0.1 * truth[term] + 2) << TermName(term);
    EXPECT_EQ(fitted[kDogs], 0);  // never counted, never moved
    EXPECT_LT(MeanSquaredError(samples, fitted, k), MeanSquaredError(samples, RealWeights{}, k));
}

}  // namespace
}  // namespace torvane::tune
