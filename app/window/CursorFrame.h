#pragma once

#include <QRect>

class QPainter;

namespace torvane {

// The keyboard cursor's frame just inside `square` (a board cell or a hand slot) at `scale`
// times the design size: a violet line with a thin white one inside it, which shows on the
// light wood, on the dark felt of a chosen picture and beside the red and black pieces alike.
// The origin of a held piece gets the same frame dashed.
void PaintCursorFrame(QPainter& p, const QRect& square, double scale, bool dashed = false);

}  // namespace torvane
