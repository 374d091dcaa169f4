#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace torvane {

// The face in the font file `file` (its family `preferredFamily` where the file holds several),
// at the size outlines are taken. Where the file cannot be loaded, a warning is printed and a
// face of this machine that has every one of `characters` stands in (a Japanese one first),
// else Qt's default face: the pictures are still drawn, in another hand.
QFont LoadDrawingFont(const QString& file, const QString& preferredFamily,
                      const QString& characters);

// The brush-script font of every picture, loaded from its file so that the pictures come out
// the same on every machine that has it (the build requires it; an installed program may run
// where it is missing).
const QFont& BrushFont();
// A plain sans-serif face for small print.
const QFont& PrintFont();

// `path` scaled to the height of `box` and centred in it. A path wider than the box is
// squeezed horizontally to fit, so long words keep their height.
QPainterPath FitPath(const QPainterPath& path, const QRectF& box);
// Outline of `text`, fitted into `box` as by FitPath.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box);
// Outline of `text` at `pixelSize` with its baseline on `origin.y()`, starting at `origin.x()`
// or, with `alignRight`, ending there.
QPainterPath TextAt(const QString& text, const QFont& font, double pixelSize, QPointF origin,
                    bool alignRight);
// Two words set one above the other in the same size, each centred, fitted into `box`.
QPainterPath TwoRows(const QString& top, const QString& bottom, const QFont& font,
                     const QRectF& box);

// The shape a broad brush tip of length `nib`, held at 40 degrees, leaves when it is drawn
// along the strokes of `path`: strokes across the tip come out broad, strokes along it thin.
QPainterPath NibStrokes(const QPainterPath& path, double nib);

// Fills `path` and strokes it with `weight` pixels of the same colour, which emboldens the
// letters evenly.
void PaintInk(QPainter& painter, const QPainterPath& path, const QColor& colour, double weight);

}  // namespace torvane
