#include "tools/assetgen/Textures.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Random.h"

namespace torvane {

namespace {

constexpr int kFeltSize = 800;

QImage FeltBase() {
    const QColor green(34, 92, 48);
    const TileFractal mottle(5, 5, 4, 41);
    const TileFractal nap(60, 60, 2, 43);
    Random grainOf(47);
    QImage image(kFeltSize, kFeltSize, QImage::Format_RGB32);
    for (int y = 0; y < kFeltSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kFeltSize; ++x) {
            const double u = (x + 0.5) / kFeltSize;
            const double v = (y + 0.5) / kFeltSize;
            const double light =
                1.0 + 0.09 * mottle.At(u, v) + 0.06 * nap.At(u, v) + 0.035 * grainOf.Signed();
            line[x] = Shade(green, light).rgb();
        }
    }
    return image;
}

// Short loose fibres, each drawn with its copies one tile away so the texture stays seamless.
void PaintFibres(QImage& image) {
    Random random(53);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 2600; ++i) {
        const QPointF start(random.Uniform() * kFeltSize, random.Uniform() * kFeltSize);
        const double angle = random.Uniform() * 2 * std::numbers::pi;
        const double length = 3.0 + 6.0 * random.Uniform();
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
        const bool light = random.Uniform() < 0.55;
        const QColor colour = light ? QColor(120, 180, 120, 38) : QColor(8, 40, 18, 48);
        painter.setPen(QPen(colour, 0.7));
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QPointF shift(dx * kFeltSize, dy * kFeltSize);
                painter.drawLine(start + shift, end + shift);
            }
    }
}

}  // namespace

WoodStyle MediumWood(std::uint64_t seed) {
    return {QColor(204, 140, 80), QColor(132, 76, 36), 13, 0.35, 0.38, 0.9, seed};
}

WoodStyle OrangeWood(std::uint64_t seed) {
    return {QColor(226, 152, 74), QColor(150, 80, 30), 7, 0.4, 0.55, 0.8, seed};
}

WoodStyle DarkWood(std::uint64_t seed) {
    return {QColor(128, 74, 38), QColor(62, 32, 14), 8, 0.45, 0.6, 0.8, seed};
}

QImage FeltTexture() {
    QImage image = FeltBase();
    PaintFibres(image);
    return image;
}

QImage MapleTexture() {
    const WoodStyle maple{QColor(242, 212, 160), QColor(186, 134, 76), 18, 0.35, 0.45, 0.9, 61};
    return WoodGrain(maple).Texture(360, 360);
}

QImage WoodTexture() {
    return WoodGrain(MediumWood(67)).Texture(256, 256);
}

}  // namespace torvane
