#include "app/window/ScaledLayout.h"

#include <QWidget>

#include "app/window/Fonts.h"
#include "app/window/Twips.h"

namespace torvane {

void ScaledLayout::Place(QWidget* widget, QRect twips, qreal points, bool bold) {
    entries_.push_back({widget, twips, points, bold});
}

void ScaledLayout::Apply(double scale) const {
    for (const Entry& e : entries_) {
        if (e.points > 0) e.widget->setFont(UiFont(e.points * scale, e.bold));
        e.widget->setGeometry(TwipRect(e.twips, scale));
    }
}

}  // namespace torvane
