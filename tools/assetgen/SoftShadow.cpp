#include "tools/assetgen/SoftShadow.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace torvane {

namespace {

// The place of pixel (x, y) in a mask of width w, row by row, computed without overflow.
size_t Index(int x, int y, int w) {
    return static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
}

// One pass of a horizontal box blur over an alpha mask of width w and height h; three passes
// in each direction come close to a Gaussian.
void BoxBlurRows(std::vector<int>& alpha, int w, int h, int radius) {
    std::vector<int> row(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += alpha[Index(std::clamp(x + k, 0, w - 1), y, w)];
            row[static_cast<size_t>(x)] = sum / (2 * radius + 1);
        }
        std::copy(row.begin(), row.end(),
                  alpha.begin() + static_cast<std::ptrdiff_t>(Index(0, y, w)));
    }
}

std::vector<int> Transposed(const std::vector<int>& alpha, int w, int h) {
    std::vector<int> out(alpha.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out[Index(y, x, h)] = alpha[Index(x, y, w)];
    return out;
}

}  // namespace

void PaintSoftShadow(QPainter& painter, QSize canvas, const QPainterPath& path, QPointF offset,
                     int radius, int opacity) {
    QImage mask(canvas, QImage::Format_Alpha8);
    mask.fill(0);
    QPainter maskPainter(&mask);
    maskPainter.setRenderHint(QPainter::Antialiasing);
    maskPainter.fillPath(path.translated(offset), Qt::black);
    maskPainter.end();
    const int w = canvas.width();
    const int h = canvas.height();
    std::vector<int> alpha(Index(0, h, w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) alpha[Index(x, y, w)] = mask.constScanLine(y)[x];
    for (int pass = 0; pass < 3; ++pass) BoxBlurRows(alpha, w, h, radius);
    alpha = Transposed(alpha, w, h);
    for (int pass = 0; pass < 3; ++pass) BoxBlurRows(alpha, h, w, radius);
    alpha = Transposed(alpha, h, w);
    QImage shadow(canvas, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, alpha[Index(x, y, w)] * opacity / 255));
    painter.drawImage(0, 0, shadow);
}

}  // namespace torvane
