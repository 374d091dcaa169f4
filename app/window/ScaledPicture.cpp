#include "app/window/ScaledPicture.h"

namespace torvane {

namespace {

// Screens up to three device pixels to a logical one are served from the kept copy.
constexpr int kSharpestRatio = 3;

}  // namespace

void ScaledPicture::Set(const QImage& picture, QSize size) {
    const QSize largest = size * kSharpestRatio;
    if (picture.width() > largest.width() || picture.height() > largest.height())
        picture_ = picture.scaled(largest.boundedTo(picture.size()), Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    else
        picture_ = picture;
    scaled_ = QPixmap();
}

const QPixmap& ScaledPicture::At(QSize size, qreal devicePixelRatio) {
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (scaled_.size() != pixels && !picture_.isNull()) {
        scaled_ = QPixmap::fromImage(
            picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(devicePixelRatio);
    }
    return scaled_;
}

}  // namespace torvane
