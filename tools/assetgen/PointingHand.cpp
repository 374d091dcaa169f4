#include "tools/assetgen/PointingHand.h"

#include <QPainter>
#include <QTransform>

namespace torvane {

namespace {

QPainterPath Rounded(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// The hand in its own units, one pixel each at the normal resolution: the top of the index
// finger at (0, 0), fingers up. Straight edges lie on half units, so that a one-unit outline
// falls on whole pixels and stays crisp.
QPainterPath HandOutline() {
    const QPainterPath thumb =
        QTransform().translate(-3.0, 12.5).rotate(40).map(Rounded(-3.5, -1.5, 7.0, 3.0, 1.5));
    QPainterPath hand = Rounded(-1.5, 0.5, 4.0, 12.0, 2.0);
    hand = hand.united(Rounded(2.5, 5.5, 3.0, 7.0, 1.5));
    hand = hand.united(Rounded(5.5, 6.5, 3.0, 6.0, 1.5));
    hand = hand.united(Rounded(8.5, 7.5, 3.0, 5.0, 1.5));
    hand = hand.united(Rounded(-1.5, 10.5, 13.0, 12.0, 3.0));
    return hand.united(thumb).simplified();
}

// Creases between the index finger and the folded fingers.
QPainterPath Creases() {
    QPainterPath path;
    for (const auto& [x, top] : {std::pair{2.5, 7.5}, {5.5, 8.5}, {8.5, 9.5}}) {
        path.moveTo(x, top);
        path.lineTo(x, top + 3.0);
    }
    return path;
}

}  // namespace

void PaintPointingHand(QPainter& painter, QPointF fingertip, double unit, bool fingersUp) {
    QTransform transform;
    transform.translate(fingertip.x(), fingertip.y());
    transform.scale(unit, unit);
    if (!fingersUp) transform.rotate(180);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(transform.map(HandOutline()));
    painter.drawPath(transform.map(Creases()));
    painter.restore();
}

}  // namespace torvane
