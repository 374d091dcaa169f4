#include "app/window/ImageStore.h"

#include <QCache>
#include <QHash>
#include <algorithm>
#include <cmath>

#include "images/PieceImageTable.h"
#include "tools/assetgen/PieceToken.h"
#include "tools/assetgen/TitlePictures.h"

namespace torvane {

namespace {

// Room for the pieces and pictures of a few sizes at once, in KiB.
constexpr int kCacheKiB = 64 * 1024;

QCache<QString, QPixmap>& Cache() {
    static QCache<QString, QPixmap> cache(kCacheKiB);
    return cache;
}

// `key` from the cache, or made by `make` (a null image is not kept).
template <typename Make>
QPixmap Cached(const QString& key, Make make) {
    if (QPixmap* kept = Cache().object(key)) return *kept;
    QPixmap made = make();
    if (!made.isNull())
        Cache().insert(key, new QPixmap(made),
                       std::max<qsizetype>(1, made.width() * made.height() / 256));
    return made;
}

int DevicePixels(int logical, qreal devicePixelRatio) {
    return static_cast<int>(std::lround(logical * devicePixelRatio));
}

QPixmap WithRatio(QPixmap pixmap, qreal ratio) {
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

const PieceImageEntry* EntryOf(int id) {
    for (const PieceImageEntry& entry : PieceImageEntries())
        if (entry.id == id) return &entry;
    return nullptr;
}

// The build drew every piece at 32 and 64 pixels.
QImage PieceImageAt(int id, int pixels) {
    if (pixels == 32 || pixels == 64) {
        QImage built(QStringLiteral(":/img/piece/%1%2.png").arg(id).arg(pixels == 64 ? "@2x" : ""));
        if (!built.isNull()) return built;
    }
    const PieceImageEntry* entry = EntryOf(id);
    return entry ? PieceImage(*entry, pixels) : QImage();
}

// A lettered picture of `logical` size drawn at a whole-number scale (1 and 2 were drawn by the
// build) at least as large as `pixels`, and brought down to exactly that.
QPixmap LetteredAt(const QString& name, QImage (*draw)(int), QSize logical, QSize pixels) {
    const double needed = std::max(double(pixels.width()) / logical.width(),
                                   double(pixels.height()) / logical.height());
    const int scale = std::max(1, static_cast<int>(std::ceil(needed - 1e-9)));
    QImage image;
    if (scale <= 2) image.load(QStringLiteral(":/img/%1%2.png").arg(name, scale == 2 ? "@2x" : ""));
    if (image.isNull()) image = draw(scale);
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

QPixmap Lettered(const QString& name, QImage (*draw)(int), QSize logical, QSize size,
                 qreal devicePixelRatio) {
    const QSize pixels(DevicePixels(size.width(), devicePixelRatio),
                       DevicePixels(size.height(), devicePixelRatio));
    if (pixels.isEmpty()) return {};
    const QString key =
        QStringLiteral("%1/%2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
    return WithRatio(Cached(key, [&] { return LetteredAt(name, draw, logical, pixels); }),
                     double(pixels.width()) / size.width());
}

}  // namespace

QPixmap PiecePixmap(int id, int size, qreal devicePixelRatio) {
    const int pixels = DevicePixels(size, devicePixelRatio);
    if (id <= 0 || pixels <= 0) return {};
    const QString key = QStringLiteral("piece/%1/%2").arg(id).arg(pixels);
    QPixmap pixmap = Cached(key, [&] { return QPixmap::fromImage(PieceImageAt(id, pixels)); });
    return WithRatio(pixmap, double(pixels) / size);
}

QCursor DragCursor(int id, int size, qreal devicePixelRatio) {
    QPixmap pixmap = PiecePixmap(id, size, devicePixelRatio);
    if (pixmap.isNull()) return QCursor(Qt::ClosedHandCursor);
    return QCursor(pixmap);
}

QPixmap Texture(const QString& name, qreal devicePixelRatio) {
    const QString key = QStringLiteral("texture/") + name;
    return WithRatio(Cached(key, [&] { return QPixmap(QStringLiteral(":/img/") + name + ".png"); }),
                     devicePixelRatio);
}

QPixmap TitlePixmap(QSize size, qreal devicePixelRatio) {
    return Lettered(QStringLiteral("title"), TitlePicture, QSize(125, 51), size, devicePixelRatio);
}

QPixmap AboutPixmap(QSize size, qreal devicePixelRatio) {
    return Lettered(QStringLiteral("about"), AboutPicture, QSize(90, 80), size, devicePixelRatio);
}

QPixmap Picture(const QString& name, qreal devicePixelRatio) {
    const bool hiDpi = devicePixelRatio > 1.0;
    const QString path = QStringLiteral(":/img/") + name + (hiDpi ? "@2x.png" : ".png");
    QPixmap pixmap = Cached(path, [&] { return QPixmap(path); });
    if (pixmap.isNull() && hiDpi) return Picture(name, 1.0);
    return WithRatio(pixmap, hiDpi ? 2.0 : 1.0);
}

}  // namespace torvane
