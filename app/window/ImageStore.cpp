#include "app/window/ImageStore.h"

#include <QCache>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <functional>
#include <future>
#include <map>

#include "app/window/PictureDrawer.h"
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

QImage PieceDrawn(int id, int pixels) {
    const PieceImageEntry* entry = EntryOf(id);
    return entry ? PieceImage(*entry, pixels) : QImage();
}

QString TextureKey(const QString& name) {
    return QStringLiteral("texture/") + name;
}

QString TexturePath(const QString& name) {
    return QStringLiteral(":/img/") + name + QStringLiteral(".png");
}

// Textures being read on threads of their own, by name.
std::map<QString, std::future<QImage>>& TextureReads() {
    static std::map<QString, std::future<QImage>> reads;
    return reads;
}

// A picture the build drew at `scale` 1 or 2.
QImage BuiltPicture(const QString& name, int scale) {
    return QImage(QStringLiteral(":/img/%1%2.png").arg(name, scale == 2 ? "@2x" : ""));
}

QPixmap ScaledTo(const QImage& image, QSize pixels) {
    if (image.isNull() || image.size() == pixels) return QPixmap::fromImage(image);
    return QPixmap::fromImage(
        image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// `slot`'s picture at `pixels`, once drawn. Where the build's picture will do (`built`), it
// is that; otherwise `draw` is handed to the drawer and the build's picture, brought to the
// size, stands in until the drawn one is ready (without `standIn`, nothing does).
QPixmap Exact(const QString& slot, QSize pixels, bool built,
              const std::function<QImage()>& builtPicture, std::function<QImage()> draw,
              bool standIn = true) {
    const QString key =
        QStringLiteral("%1/%2x%3").arg(slot).arg(pixels.width()).arg(pixels.height());
    if (QPixmap* kept = Cache().object(key)) return *kept;
    if (built) return Cached(key, [&] { return QPixmap::fromImage(builtPicture()); });
    PictureDrawer::instance().Want(slot, key, std::move(draw), [key](const QImage& image) {
        Cached(key, [&] { return QPixmap::fromImage(image); });
    });
    if (!standIn) return {};
    return Cached(QStringLiteral("stand-in/") + key,
                  [&] { return ScaledTo(builtPicture(), pixels); });
}

// A lettered picture of `logical` size at `size`: drawn at the next whole-number scale (the
// build drew scales 1 and 2) and brought down to exactly its pixels.
QPixmap Lettered(const QString& name, QImage (*draw)(int), QSize logical, QSize size,
                 qreal devicePixelRatio) {
    const QSize pixels(DevicePixels(size.width(), devicePixelRatio),
                       DevicePixels(size.height(), devicePixelRatio));
    if (pixels.isEmpty()) return {};
    const double needed = std::max(double(pixels.width()) / logical.width(),
                                   double(pixels.height()) / logical.height());
    const int scale = std::max(1, static_cast<int>(std::ceil(needed - 1e-9)));
    const QPixmap pixmap = Exact(
        name, pixels, scale <= 2,
        [&] { return ScaledTo(BuiltPicture(name, std::min(scale, 2)), pixels).toImage(); },
        [=] { return ScaledTo(draw(scale), pixels).toImage(); });
    return WithRatio(pixmap, double(pixels.width()) / size.width());
}

// The build drew every piece at 32 and 64 pixels.
bool BuiltPieceSize(int pixels) {
    return pixels == 32 || pixels == 64;
}

// Piece `id` at `pixels`, as by Exact.
QPixmap PieceAt(int id, int pixels, bool standIn) {
    const int built = pixels <= 32 ? 32 : 64;
    return Exact(
        QStringLiteral("piece/%1").arg(id), QSize(pixels, pixels), BuiltPieceSize(pixels),
        [&] {
            return QImage(
                QStringLiteral(":/img/piece/%1%2.png").arg(id).arg(built == 64 ? "@2x" : ""));
        },
        [=] { return PieceDrawn(id, pixels); }, standIn);
}

}  // namespace

QPixmap PiecePixmap(int id, int size, qreal devicePixelRatio) {
    const int pixels = DevicePixels(size, devicePixelRatio);
    if (id <= 0 || pixels <= 0) return {};
    return WithRatio(PieceAt(id, pixels, true), double(pixels) / size);
}

void PreparePieces(int size, qreal devicePixelRatio) {
    const int pixels = DevicePixels(size, devicePixelRatio);
    // A size the build drew is read from the resources when a piece is first shown, in a
    // fraction of a millisecond; reading all of them here would only delay the start.
    if (pixels <= 0 || BuiltPieceSize(pixels)) return;
    for (const PieceImageEntry& entry : PieceImageEntries()) PieceAt(entry.id, pixels, false);
}

QCursor DragCursor(int id, int size, qreal devicePixelRatio) {
    QPixmap pixmap = PiecePixmap(id, size, devicePixelRatio);
    if (pixmap.isNull()) return QCursor(Qt::ClosedHandCursor);
    return QCursor(pixmap);
}

void StartReadingTextures(const QStringList& names) {
    for (const QString& name : names) {
        if (Cache().contains(TextureKey(name)) || TextureReads().contains(name)) continue;
        const QString path = TexturePath(name);
        TextureReads().emplace(name,
                               std::async(std::launch::async, [path] { return QImage(path); }));
    }
}

QPixmap Texture(const QString& name, qreal devicePixelRatio) {
    return WithRatio(Cached(TextureKey(name),
                            [&] {
                                const auto read = TextureReads().find(name);
                                if (read == TextureReads().end()) return QPixmap(TexturePath(name));
                                QPixmap pixmap = QPixmap::fromImage(read->second.get());
                                TextureReads().erase(read);
                                return pixmap;
                            }),
                     devicePixelRatio);
}

QPixmap TitlePixmap(QSize size, qreal devicePixelRatio) {
    return Lettered(QStringLiteral("title"), TitlePicture, QSize(125, 51), size, devicePixelRatio);
}

QPixmap AboutPixmap(QSize size, qreal devicePixelRatio) {
    return Lettered(QStringLiteral("about"), AboutPicture, QSize(90, 80), size, devicePixelRatio);
}

QPixmap SplashPixmap(QSize size, qreal devicePixelRatio) {
    return Lettered(QStringLiteral("splash"), SplashPicture, QSize(400, 150), size,
                    devicePixelRatio);
}

}  // namespace torvane
