#include "tools/assetgen/Noise.h"

#include <cmath>

#include "tools/assetgen/Random.h"

namespace torvane {

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

int Wrap(int i, int period) {
    return ((i % period) + period) % period;
}

}  // namespace

TileNoise::TileNoise(int periodX, int periodY, std::uint64_t seed)
    : periodX_(periodX), periodY_(periodY), values_(static_cast<size_t>(periodX * periodY)) {
    Random random(seed);
    for (double& value : values_) value = random.Signed();
}

double TileNoise::Lattice(int i, int j) const {
    return values_[static_cast<size_t>(Wrap(j, periodY_) * periodX_ + Wrap(i, periodX_))];
}

double TileNoise::At(double u, double v) const {
    const double x = u * periodX_;
    const double y = v * periodY_;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int i = static_cast<int>(fx);
    const int j = static_cast<int>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * tx;
    const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * tx;
    return top + (bottom - top) * ty;
}

TileFractal::TileFractal(int periodX, int periodY, int octaves, std::uint64_t seed) {
    for (int k = 0; k < octaves; ++k)
        layers_.emplace_back(periodX << k, periodY << k, seed * 1000003ull + k);
}

double TileFractal::At(double u, double v) const {
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    for (const TileNoise& layer : layers_) {
        sum += amplitude * layer.At(u, v);
        total += amplitude;
        amplitude *= 0.5;
    }
    return sum / total;
}

}  // namespace torvane
