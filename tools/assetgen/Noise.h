#pragma once

#include <cstdint>
#include <vector>

namespace torvane {

// Value noise on a lattice that wraps around: sampled over [0, 1) x [0, 1) it tiles
// seamlessly, so textures built from it repeat without visible seams.
class TileNoise {
public:
    // periodX x periodY lattice cells across the unit square.
    TileNoise(int periodX, int periodY, std::uint64_t seed);

    // Smoothly interpolated value in [-1, 1] at (u, v); u and v wrap at 1.
    double At(double u, double v) const;

private:
    double Lattice(int i, int j) const;

    int periodX_;
    int periodY_;
    std::vector<double> values_;
};

// Sum of `octaves` noise layers, each with twice the lattice periods and half the amplitude
// of the one before; the result is scaled back into about [-1, 1].
class TileFractal {
public:
    TileFractal(int periodX, int periodY, int octaves, std::uint64_t seed);

    double At(double u, double v) const;

private:
    std::vector<TileNoise> layers_;
};

}  // namespace torvane
