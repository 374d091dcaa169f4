#include "tools/assetgen/PieceToken.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "tools/assetgen/BrushFont.h"
#include "tools/assetgen/PointingHand.h"
#include "tools/assetgen/WoodGrain.h"

namespace torvane {

namespace {

const QColor kBlackInk(20, 14, 10);
const QColor kRedInk(226, 18, 24);

// Share of pixel (x, y) covered by the disc of radius r around c, from 4 x 4 samples.
double DiscCoverage(int x, int y, double c, double r) {
    int inside = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const double dx = x + (i + 0.5) / 4 - c;
            const double dy = y + (j + 0.5) / 4 - c;
            inside += dx * dx + dy * dy <= r * r;
        }
    return inside / 16.0;
}

// Brightness of the domed token: light from the upper left, darker towards the rim.
double DomeLight(double nx, double ny) {
    const double r2 = std::min(1.0, nx * nx + ny * ny);
    const double towardsLight = -(nx + ny) * 0.7071;
    return 0.98 + 0.16 * towardsLight - 0.30 * r2 * r2;
}

double Gloss(double nx, double ny) {
    return 0.22 * std::exp(-(std::pow(nx + 0.38, 2) + std::pow(ny + 0.42, 2)) / 0.07);
}

QColor TokenWood(const WoodGrain& grain, double nx, double ny) {
    const QColor wood = grain.At(0.5 + 0.22 * nx + 0.05 * ny, 0.31 + 0.24 * ny - 0.04 * nx);
    return Shade(wood, DomeLight(nx, ny), Gloss(nx, ny));
}

QColor GhostBeige(double nx, double ny) {
    return Shade(QColor(236, 222, 190), 0.97 + 0.05 * DomeLight(nx, ny), 0.0);
}

// The disc alone, coloured pixel by pixel by `colourAt` (normalised disc coordinates).
template <typename ColourAt>
QImage Disc(int size, ColourAt colourAt) {
    QImage image(size, size, QImage::Format_ARGB32);
    const double c = size / 2.0;
    const double r = c - 0.5;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            QColor colour = colourAt((x + 0.5 - c) / r, (y + 0.5 - c) / r);
            colour.setAlphaF(static_cast<float>(DiscCoverage(x, y, c, r)));
            image.setPixelColor(x, y, colour);
        }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Dark outline and a bevel: a bright edge towards the light, a shadowed one away from it.
void PaintRim(QPainter& painter, int size, const QColor& outline) {
    const double scale = size / 32.0;
    const double c = size / 2.0;
    const double width = 0.6 + 0.5 * scale;
    const double outer = c - 0.5 - width / 2;
    QConicalGradient bevel(c, c, 135);
    bevel.setColorAt(0.0, QColor(255, 244, 220, 150));
    bevel.setColorAt(0.25, QColor(255, 244, 220, 0));
    bevel.setColorAt(0.5, QColor(70, 30, 5, 110));
    bevel.setColorAt(0.75, QColor(70, 30, 5, 0));
    bevel.setColorAt(1.0, QColor(255, 244, 220, 150));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double bevelRadius = outer - width / 2 - 0.5 * scale;
    painter.setPen(QPen(QBrush(bevel), 1.0 * scale));
    painter.drawEllipse(QPointF(c, c), bevelRadius, bevelRadius);
    painter.setPen(QPen(outline, width));
    painter.drawEllipse(QPointF(c, c), outer, outer);
}

QPainterPath KanjiPath(PieceKind kind, int size, bool turned, const QFont& brush) {
    const QString kanji = QString::fromUtf8(KanjiOf(kind));
    const double c = size / 2.0;
    const double height = size * (kanji.size() > 1 ? 0.56 : 0.62);
    const double width = size * (kanji.size() > 1 ? 0.70 : 0.64);
    const QPainterPath path =
        FittedText(kanji, brush, QRectF(c - width / 2, c - height / 2, width, height));
    if (!turned) return path;
    return QTransform().translate(c, c).rotate(180).translate(-c, -c).map(path);
}

// The kanji with a faint light edge to the lower right, as if cut into the wood.
void PaintKanji(QPainter& painter, const PieceImageEntry& entry, int size, const QFont& brush,
                double engraving) {
    const bool red = entry.ink == ImageInk::Red;
    const QPainterPath path = KanjiPath(entry.kind, size, red, brush);
    const double scale = size / 32.0;
    const double weight = 0.75 * scale;
    if (engraving > 0) {
        const QPainterPath edge = QTransform().translate(0.5 * scale, 0.5 * scale).map(path);
        PaintInk(painter, edge, QColor(255, 236, 200, static_cast<int>(engraving * 255)), weight);
    }
    PaintInk(painter, path, red ? kRedInk : kBlackInk, weight);
}

// Clears every other pixel in a checkerboard, so the picture looks half transparent.
void Dither(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = (y + 1) % 2; x < image.width(); x += 2) line[x] = 0;
    }
}

QImage WoodToken(const PieceImageEntry& entry, int size, const QFont& brush) {
    const WoodGrain grain({QColor(244, 172, 86), QColor(186, 100, 38), 5, 0.35, 0.35, 0.5,
                           static_cast<std::uint64_t>(entry.kind) * 7919});
    QImage image = Disc(size, [&](double nx, double ny) { return TokenWood(grain, nx, ny); });
    QPainter painter(&image);
    PaintRim(painter, size, QColor(48, 22, 6, 235));
    PaintKanji(painter, entry, size, brush, 0.45);
    if (entry.variant == ImageVariant::Held) {
        // The hand reaches in from the owner's edge; the red one is the black one turned.
        const double unit = size / 32.0;
        const bool up = entry.ink == ImageInk::Black;
        const QPointF tip = up ? QPointF(13, 14) * unit : QPointF(19, 18) * unit;
        PaintPointingHand(painter, tip, unit, up);
    }
    return image;
}

QImage GhostToken(const PieceImageEntry& entry, int size, const QFont& brush) {
    QImage image = Disc(size, GhostBeige);
    QPainter painter(&image);
    PaintRim(painter, size, QColor(150, 120, 80, 220));
    PaintKanji(painter, entry, size, brush, 0.0);
    painter.end();
    Dither(image);
    return image;
}

}  // namespace

QImage PieceImage(const PieceImageEntry& entry, int size) {
    return PieceImage(entry, size, BrushFont());
}

QImage PieceImage(const PieceImageEntry& entry, int size, const QFont& brush) {
    QImage image = entry.variant == ImageVariant::Ghost ? GhostToken(entry, size, brush)
                                                        : WoodToken(entry, size, brush);
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace torvane
