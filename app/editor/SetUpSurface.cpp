#include "app/editor/SetUpSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/window/ImageStore.h"

namespace torvane {

void SetUpSurface::PaintGround(QPainter& p, const QString& texture) const {
    p.drawTiledPixmap(rect(), Texture(texture, devicePixelRatioF()));
    p.setPen(QColor(40, 22, 8, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SetUpSurface::mousePressEvent(QMouseEvent* e) {
    std::optional<SetUpPlace> place = PlaceAt(e->position().toPoint());
    if (place && onPress) onPress(*place, e->button());
}

void SetUpSurface::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e->globalPosition().toPoint());
}

}  // namespace torvane
