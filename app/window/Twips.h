#pragma once

#include <QRect>
#include <cmath>

namespace torvane {

// The window is laid out in twips, 15 to a pixel at the design size. A window shown larger
// than the design size multiplies every length by its scale.
inline constexpr int kTwipsPerPixel = 15;

inline int Px(int twips, double scale = 1.0) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

inline QRect TwipRect(int left, int top, int width, int height, double scale = 1.0) {
    return QRect(Px(left, scale), Px(top, scale), Px(width, scale), Px(height, scale));
}

inline QRect TwipRect(const QRect& twips, double scale) {
    return TwipRect(twips.x(), twips.y(), twips.width(), twips.height(), scale);
}

}  // namespace torvane
