#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

#include "tools/assetgen/Noise.h"

namespace torvane {

struct WoodStyle {
    QColor light;       // early wood, between the grain lines
    QColor dark;        // late wood, the grain lines
    int bands;          // grain lines across the height; whole numbers keep the tiling
    double waviness;    // how far a line wanders, in line spacings
    double lineWeight;  // darkness of the grain lines, 0..1
    double fibre;       // strength of the fine streaks along the grain, 0..1
    std::uint64_t seed;
};

// Procedural plank-cut wood: grain lines running along u that wander with a fractal warp,
// fine fibre streaks and a faint mottling. Over [0, 1) x [0, 1) it tiles seamlessly.
class WoodGrain {
public:
    explicit WoodGrain(const WoodStyle& style);

    QColor At(double u, double v) const;
    // The grain sampled over the whole unit square, one sample per pixel centre.
    QImage Texture(int width, int height) const;

private:
    WoodStyle style_;
    TileFractal warp_;
    TileNoise lineStrength_;
    TileFractal fibres_;
    TileFractal mottle_;
};

// Linear blend of two colours, t = 0 gives a.
QColor Blend(const QColor& a, const QColor& b, double t);
// Colour scaled in brightness by `factor` and lifted towards white by `lift` (0..1).
QColor Shade(const QColor& c, double factor, double lift = 0.0);

}  // namespace torvane
