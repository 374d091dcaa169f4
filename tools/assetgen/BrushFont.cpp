#include "tools/assetgen/BrushFont.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#include "rules/PieceKind.h"

namespace torvane {

namespace {

// Outlines are taken at a large size and scaled down, so no hinting of small sizes gets in.
constexpr int kOutlinePixels = 256;

QFont AtOutlineSize(QFont font) {
    font.setPixelSize(kOutlinePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// `family` alone, never with characters taken from another face.
QFont Face(const QString& family) {
    QFont font = AtOutlineSize(QFont(family));
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

bool HasEvery(const QFont& font, const QString& characters) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;
    const QList<uint> codes = characters.toUcs4();
    return std::all_of(codes.begin(), codes.end(),
                       [&](uint code) { return raw.supportsCharacter(code); });
}

// A face of this machine with every one of `characters`: a Japanese one (its kanji take the
// Japanese shapes) before the other CJK faces, finally Qt's default face, which may take
// missing characters from other faces.
QFont InstalledFace(const QString& characters) {
    QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    std::stable_partition(families.begin(), families.end(),
                          [](const QString& family) { return family.contains("JP"); });
    for (const QString& family : families) {
        const QFont font = Face(family);
        if (HasEvery(font, characters)) return font;
    }
    return AtOutlineSize(QFont());
}

QString BrushCharacters() {
    QString characters = QStringLiteral("Torvane");
    for (PieceKind kind : kAllKinds) characters += QString::fromUtf8(KanjiOf(kind));
    return characters;
}

}  // namespace

QFont LoadDrawingFont(const QString& file, const QString& preferredFamily,
                      const QString& characters) {
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qWarning("Torvane: the font %s cannot be loaded; another face draws the pictures.",
                 qPrintable(file));
        return InstalledFace(characters);
    }
    QString family = families.front();
    for (const QString& f : families)
        if (f == preferredFamily) family = f;
    return Face(family);
}

const QFont& BrushFont() {
    static const QFont font = LoadDrawingFont(TORVANE_BRUSH_FONT, QString(), BrushCharacters());
    return font;
}

const QFont& PrintFont() {
    static const QFont font = LoadDrawingFont(
        TORVANE_PRINT_FONT, QStringLiteral("Noto Sans CJK JP"), QStringLiteral("ver1.00©"));
    return font;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& box) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return path;  // a face without these characters draws nothing
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
