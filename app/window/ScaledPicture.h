#pragma once

#include <QImage>
#include <QPixmap>

namespace torvane {

// A picture the player chose, stretched over a surface of the window. It is scaled once,
// smoothly, to the pixels of the surface, not on every repaint; only a copy small enough for
// the sharpest screen is kept of the original.
class ScaledPicture {
public:
    // `picture` to be shown on a surface of `size` logical pixels; a null image clears it.
    void Set(const QImage& picture, QSize size);
    bool isNull() const { return picture_.isNull(); }
    // The picture at `size` logical pixels on a screen of `devicePixelRatio`.
    const QPixmap& At(QSize size, qreal devicePixelRatio);

private:
    QImage picture_;
    QPixmap scaled_;
};

}  // namespace torvane
