#include "app/window/CursorFrame.h"

#include <QPainter>
#include <algorithm>

#include "app/window/Twips.h"

namespace torvane {

void PaintCursorFrame(QPainter& p, const QRect& square, double scale, bool dashed) {
    const int line = std::max(2, Px(30, scale));
    const int inner = std::max(1, line / 2);
    const QRectF outer = QRectF(square).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen violet(QColor(96, 32, 200), line, dashed ? Qt::DashLine : Qt::SolidLine);
    violet.setJoinStyle(Qt::MiterJoin);
    p.setPen(violet);
    p.drawRect(outer);
    if (!dashed) {
        const double in = (line + inner) / 2.0;
        p.setPen(
            QPen(QColor(255, 255, 255, 220), inner, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(outer.adjusted(in, in, -in, -in));
    }
    p.restore();
}

}  // namespace torvane
