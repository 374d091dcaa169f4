#pragma once

#include <QImage>
#include <QPainterPath>

class QPainter;

namespace torvane {

// Paints the shape of `path`, moved by `offset` and blurred by about `radius` pixels, in a
// translucent black, as the shadow the shape casts on the surface below it.
void PaintSoftShadow(QPainter& painter, QSize canvas, const QPainterPath& path, QPointF offset,
                     int radius, int opacity);

}  // namespace torvane
