#include "tools/assetgen/SoftShadow.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace torvane {

namespace {

// One pass of a horizontal box blur over an alpha mask of width w and height h; three passes
// in each direction come close to a Gaussian.
void BoxBlurRows(std::vector<int>& alpha, int w, int h, int radius) {
    std::vector<int> row(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += alpha[static_cast<size_t>(y * w + std::clamp(x + k, 0, w - 1))];
            row[static_cast<size_t>(x)] = sum / (2 * radius + 1);
        }
        std::copy(row.begin(), row.end(), alpha.begin() + y * w);
    }
}

std::vector<int> Transposed(const std::vector<int>& alpha, int w, int h) {
    std::vector<int> out(alpha.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[static_cast<size_t>(x * h + y)] = alpha[static_cast<size_t>(y * w + x)];
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
    std::vector<int> alpha(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[static_cast<size_t>(y * w + x)] = mask.constScanLine(y)[x];
    for (int pass = 0; pass < 3; ++pass) BoxBlurRows(alpha, w, h, radius);
    alpha = Transposed(alpha, w, h);
    for (int pass = 0; pass < 3; ++pass) BoxBlurRows(alpha, h, w, radius);
    alpha = Transposed(alpha, h, w);
    QImage shadow(canvas, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            shadow.setPixel(x, y,
                            qRgba(0, 0, 0, alpha[static_cast<size_t>(y * w + x)] * opacity / 255));
    painter.drawImage(0, 0, shadow);
}

}  // namespace torvane
