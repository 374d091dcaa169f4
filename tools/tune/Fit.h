#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "SelfPlay.h"
#include "engine/EvalWeights.h"

namespace torvane::tune {

// A position's term counts (Sente's minus Gote's) and its game's result for Sente.
struct Sample {
    std::array<float, engine::kTermCount> counts{};
    float result = 0.5f;
};

std::vector<Sample> ToSamples(const std::vector<LabelledPosition>& positions, bool drops);

using RealWeights = std::array<double, engine::kTermCount>;

// The mean squared error of sigmoid(k * eval) against the results, eval = weights . counts.
double MeanSquaredError(const std::vector<Sample>& samples, const RealWeights& weights, double k);

// The k that makes the weights fit the results best (golden-section search).
double FitScale(const std::vector<Sample>& samples, const RealWeights& weights);

// Gradient descent (Adam) on the weights at a fixed k, from `start`; the terms marked in
// `fixed` keep their weights. `progress` is told the iteration and the error now and then.
RealWeights FitWeights(const std::vector<Sample>& samples, const RealWeights& start, double k,
                       const std::array<bool, engine::kTermCount>& fixed, int iterations,
                       const std::function<void(int, double)>& progress);

}  // namespace torvane::tune
