#include "tools/assetgen/TitlePictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "tools/assetgen/BrushFont.h"
#include "tools/assetgen/SoftShadow.h"
#include "tools/assetgen/Textures.h"
#include "tools/assetgen/WoodGrain.h"

namespace torvane {

namespace {

const QString kTitle = QStringLiteral("Torvane");
const QColor kInk(18, 12, 8);

// The rectangle (x, y, w, h) of the logical picture in pixels of the one drawn at `scale`.
QRectF Box(int scale, double x, double y, double w, double h) {
    return QRectF(x * scale, y * scale, w * scale, h * scale);
}

// A board of `style` wood, `width` x `height` logical pixels at `scale`, with the grain
// stretched along its length and a bevelled edge.
QImage Plank(int width, int height, int scale, const WoodStyle& style, double grainLength) {
    const WoodGrain grain(style);
    const int w = width * scale;
    const int h = height * scale;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = grain.At((x + 0.5) / (grainLength * scale), (y + 0.5) / h).rgb();
    }
    QPainter painter(&image);
    const double edge = scale;
    painter.setPen(QPen(QColor(255, 240, 210, 90), edge));
    painter.drawLine(QPointF(edge, edge * 1.5), QPointF(w - edge, edge * 1.5));
    painter.drawLine(QPointF(edge * 1.5, edge), QPointF(edge * 1.5, h - edge));
    painter.setPen(QPen(QColor(40, 16, 2, 110), edge));
    painter.drawLine(QPointF(edge, h - edge * 1.5), QPointF(w - edge, h - edge * 1.5));
    painter.drawLine(QPointF(w - edge * 1.5, edge), QPointF(w - edge * 1.5, h - edge));
    painter.setPen(QPen(QColor(36, 16, 4, 220), edge));
    painter.drawRect(QRectF(edge / 2, edge / 2, w - edge, h - edge));
    return image;
}

// Lettering with a faint light edge below it, as if cut into the wood.
void PaintCutLetters(QPainter& painter, const QPainterPath& path, double scale, int edgeAlpha,
                     const QColor& ink = kInk) {
    PaintInk(painter, path.translated(0.6 * scale, 0.7 * scale), QColor(255, 232, 190, edgeAlpha),
             0.6 * scale);
    PaintInk(painter, path, ink, 0.6 * scale);
}

// The title's letters drawn with a broad brush whose tip is `nib` times the height of `box`,
// sized to fill the box.
QPainterPath BrushTitle(const QPainterPath& letters, const QRectF& box, double nib) {
    const QPainterPath thin = FitPath(letters, box);
    return FitPath(NibStrokes(thin, nib * box.height()), box);
}

QPainterPath TitleRows(const QRectF& box) {
    const QPainterPath rows =
        TwoRows(QStringLiteral("Tor"), QStringLiteral("vane"), BrushFont(), box);
    return BrushTitle(rows, box, 0.055);
}

QPainterPath TitleLine(const QRectF& box) {
    return BrushTitle(FittedText(kTitle, BrushFont(), box), box, 0.085);
}

// Gold lettering with a dark outline and a light upper edge; `scale` is the picture's pixels
// to a logical pixel.
void PaintGoldLetters(QPainter& painter, const QPainterPath& path, double scale) {
    const QRectF bounds = path.boundingRect();
    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0.0, QColor(250, 240, 160));
    gold.setColorAt(0.4, QColor(222, 196, 64));
    gold.setColorAt(1.0, QColor(96, 140, 30));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(QColor(30, 40, 6), 2.0 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(path);
    painter.setPen(QPen(QColor(255, 252, 220, 140), scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path.translated(-0.8 * scale, -0.8 * scale).intersected(path));
}

}  // namespace

QImage ProgramIcon(int scale) {
    QImage image = Plank(48, 48, scale, OrangeWood(71), 60);
    QPainter painter(&image);
    PaintCutLetters(painter, TitleRows(Box(scale, 4, 4, 40, 40)), scale, 110);
    return image;
}

// The lettering is laid out in logical pixels and mapped onto the picture's pixels.
QImage SplashPicture(int scale) {
    QImage image = Plank(400, 150, scale, OrangeWood(73), 500);
    QPainter painter(&image);
    const QTransform toPixels = QTransform::fromScale(scale, scale);
    const QPainterPath title = toPixels.map(TitleLine(QRectF(20, 12, 300, 100)));
    PaintSoftShadow(painter, image.size(), title, QPointF(3, 4) * scale, 3 * scale, 150);
    PaintGoldLetters(painter, title, scale);
    const QColor brown(54, 26, 8);
    const QPainterPath version =
        TextAt(QStringLiteral("ver1.00"), PrintFont(), 15, QPointF(386, 108), true);
    const QTransform slant = QTransform().translate(108 * 0.22, 0).shear(-0.22, 0);
    PaintCutLetters(painter, (slant * toPixels).map(version), 0.6 * scale, 100, brown);
    const QPainterPath author = TextAt(QString::fromUtf8("© 2026 Torvane Project"), PrintFont(), 11,
                                       QPointF(388, 139), true);
    PaintCutLetters(painter, toPixels.map(author), 0.4 * scale, 80, brown);
    return image;
}

QImage TitlePicture(int scale) {
    QImage image = Plank(125, 51, scale, MediumWood(79), 160);
    QPainter painter(&image);
    PaintCutLetters(painter, TitleLine(Box(scale, 9, 7, 107, 36)), scale, 120);
    return image;
}

QImage AboutPicture(int scale) {
    QImage image = Plank(90, 80, scale, DarkWood(83), 110);
    QPainter painter(&image);
    PaintCutLetters(painter, TitleRows(Box(scale, 7, 7, 76, 66)), scale, 150);
    return image;
}

}  // namespace torvane
