#include "tools/assetgen/BrushFont.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace torvane {

namespace {

// Outlines are taken at a large size and scaled down, so no hinting of small sizes gets in.
constexpr int kOutlinePixels = 256;

QFont LoadFont(const char* file, const QString& preferredFamily) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) qFatal("assetgen: cannot load the font %s", file);
    QString family = families.front();
    for (const QString& f : families)
        if (f == preferredFamily) family = f;
    QFont font(family);
    font.setPixelSize(kOutlinePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace

const QFont& BrushFont() {
    static const QFont font = LoadFont(TORVANE_BRUSH_FONT, QString());
    return font;
}

const QFont& PrintFont() {
    static const QFont font = LoadFont(TORVANE_PRINT_FONT, QStringLiteral("Noto Sans CJK JP"));
    return font;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& box) {
    const QRectF bounds = path.boundingRect();
    const double sy = box.height() / bounds.height();
    const double sx = std::min(sy, box.width() / bounds.width());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(sx, sy);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    return FitPath(path, box);
}

QPainterPath TextAt(const QString& text, const QFont& font, double pixelSize, QPointF origin,
                    bool alignRight) {
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    const double scale = pixelSize / kOutlinePixels;
    const double shift = alignRight ? -path.boundingRect().right() : -path.boundingRect().left();
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(scale, scale);
    transform.translate(shift, 0);
    return transform.map(path);
}

QPainterPath TwoRows(const QString& top, const QString& bottom, const QFont& font,
                     const QRectF& box) {
    QPainterPath rows;
    double baseline = 0;
    for (const QString& word : {top, bottom}) {
        QPainterPath path;
        path.addText(QPointF(0, baseline), font, word);
        rows.addPath(path.translated(-path.boundingRect().center().x(), 0));
        baseline += 0.78 * kOutlinePixels;
    }
    return FitPath(rows, box);
}

QPainterPath NibStrokes(const QPainterPath& path, double nib) {
    const QPointF tip = QTransform().rotate(-40).map(QPointF(nib, 0));
    const int steps = std::max(2, static_cast<int>(std::ceil(nib / 0.5)));
    QPainterPath swept = path;
    for (int i = 0; i <= steps; ++i)
        swept = swept.united(path.translated(tip * (double(i) / steps - 0.5)));
    return swept.simplified();
}

void PaintInk(QPainter& painter, const QPainterPath& path, const QColor& colour, double weight) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    if (weight > 0)
        painter.setPen(QPen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace torvane
