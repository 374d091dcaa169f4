#pragma once

#include <QFont>
#include <QRect>
#include <vector>

class QWidget;

namespace torvane {

// The controls of a window placed in twips, each with its font, laid out again at any scale:
// places, sizes and fonts all grow by the same factor, so the design keeps its proportions.
class ScaledLayout {
public:
    // `widget` at `twips` within its parent; with `points` > 0 also its font at that size.
    void Place(QWidget* widget, QRect twips, qreal points = 0, bool bold = false);
    void Apply(double scale) const;

private:
    struct Entry {
        QWidget* widget;
        QRect twips;
        qreal points;
        bool bold;
    };
    std::vector<Entry> entries_;
};

}  // namespace torvane
