#include "Fit.h"

#include <cmath>

#include "engine/EvalTerms.h"

namespace torvane::tune {

namespace {

using engine::kTermCount;

double Eval(const Sample& s, const RealWeights& w) {
    double e = 0;
    for (int i = 0; i < kTermCount; ++i) e += s.counts[i] * w[i];
    return e;
}

double Sigmoid(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

}  // namespace

std::vector<Sample> ToSamples(const std::vector<LabelledPosition>& positions, bool drops) {
    std::vector<Sample> samples;
    samples.reserve(positions.size());
    for (const LabelledPosition& p : positions) {
        engine::TermCounts counts = engine::CountTerms(p.position, drops);
        Sample s;
        for (int i = 0; i < kTermCount; ++i) s.counts[i] = counts[i];
        s.result = static_cast<float>(p.result);
        samples.push_back(s);
    }
    return samples;
}

double MeanSquaredError(const std::vector<Sample>& samples, const RealWeights& weights, double k) {
    double total = 0;
    for (const Sample& s : samples) {
        double d = Sigmoid(k * Eval(s, weights)) - s.result;
        total += d * d;
    }
    return samples.empty() ? 0 : total / static_cast<double>(samples.size());
}

double FitScale(const std::vector<Sample>& samples, const RealWeights& weights) {
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double lo = 1e-5, hi = 0.05;
    for (int step = 0; step < 60; ++step) {
        double a = hi - golden * (hi - lo), b = lo + golden * (hi - lo);
        if (MeanSquaredError(samples, weights, a) < MeanSquaredError(samples, weights, b))
            hi = b;
        else
            lo = a;
    }
    return (lo + hi) / 2;
}

RealWeights FitWeights(const std::vector<Sample>& samples, const RealWeights& start, double k,
                       const std::array<bool, kTermCount>& fixed, int iterations,
                       const std::function<void(int, double)>& progress) {
    const double rate = 1.0, beta1 = 0.9, beta2 = 0.999, epsilon = 1e-8;
    RealWeights w = start, m{}, v{};
    for (int it = 1; it <= iterations; ++it) {
        RealWeights gradient{};
        for (const Sample& s : samples) {
            double p = Sigmoid(k * Eval(s, w));
            double g = 2 * (p - s.result) * p * (1 - p) * k;
            for (int i = 0; i < kTermCount; ++i) gradient[i] += g * s.counts[i];
        }
        for (int i = 0; i < kTermCount; ++i) {
            if (fixed[i]) continue;
            double g = gradient[i] / static_cast<double>(samples.size());
            m[i] = beta1 * m[i] + (1 - beta1) * g;
            v[i] = beta2 * v[i] + (1 - beta2) * g * g;
            double mHat = m[i] / (1 - std::pow(beta1, it));
            double vHat = v[i] / (1 - std::pow(beta2, it));
            w[i] -= rate * mHat / (std::sqrt(vHat) + epsilon);
        }
        if (it % 200 == 0 || it == iterations) progress(it, MeanSquaredError(samples, w, k));
    }
    return w;
}

}  // namespace torvane::tune
