#pragma once

#include <QRect>
#include <cmath>

namespace torvane {

// The window is laid out in twips, 15 to a pixel at the design resolution.
inline constexpr int kTwipsPerPixel = 15;

inline int Px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace torvane
