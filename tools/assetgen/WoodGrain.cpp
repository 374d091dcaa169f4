#include "tools/assetgen/WoodGrain.h"

#include <algorithm>
#include <cmath>

namespace torvane {

namespace {

int Channel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

}  // namespace

QColor Blend(const QColor& a, const QColor& b, double t) {
    return QColor(Channel(a.red() + (b.red() - a.red()) * t),
                  Channel(a.green() + (b.green() - a.green()) * t),
                  Channel(a.blue() + (b.blue() - a.blue()) * t));
}

QColor Shade(const QColor& c, double factor, double lift) {
    auto one = [&](int v) { return v * factor + (255.0 - v * factor) * lift; };
    return QColor(Channel(one(c.red())), Channel(one(c.green())), Channel(one(c.blue())));
}

WoodGrain::WoodGrain(const WoodStyle& style)
    : style_(style),
      warp_(1, 2, 4, style.seed),
      lineStrength_(4, style.bands, style.seed + 3),
      fibres_(6, 100, 2, style.seed + 1),
      mottle_(3, 3, 3, style.seed + 2) {}

QColor WoodGrain::At(double u, double v) const {
    const double t = v * style_.bands + style_.waviness * warp_.At(u, v) * 2.0;
    const double f = t - std::floor(t);
    const double line = std::exp(-std::pow((f - 0.86) / 0.055, 2.0));
    const double ring = 0.35 * f * f + style_.lineWeight * line;
    const double amount = ring + 0.22 * style_.fibre * fibres_.At(u, v) + 0.12 * mottle_.At(u, v);
    return Blend(style_.light, style_.dark, std::clamp(amount, 0.0, 1.0));
}

QImage WoodGrain::Texture(int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = At((x + 0.5) / width, (y + 0.5) / height).rgb();
    }
    return image;
}

}  // namespace torvane
