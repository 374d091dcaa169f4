#include "app/window/Fonts.h"

namespace torvane {

QFont UiFont(qreal points, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace torvane
