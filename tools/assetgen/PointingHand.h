#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace torvane {

// A white, black-outlined hand with the index finger stretched out, as on the drag image of a
// piece. `fingertip` is where the finger ends, `unit` the size of one of the 22 units the
// hand is tall (a pixel at the normal resolution); with `fingersUp` false the hand is turned
// by half a turn and reaches down.
void PaintPointingHand(QPainter& painter, QPointF fingertip, double unit, bool fingersUp);

}  // namespace torvane
