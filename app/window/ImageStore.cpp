#include "app/window/ImageStore.h"

#include <QHash>

namespace torvane {

namespace {

QPixmap LoadScaled(const QString& base, qreal devicePixelRatio) {
    static QHash<QString, QPixmap> cache;
    bool hiDpi = devicePixelRatio > 1.0;
    QString path = base + (hiDpi ? "@2x.png" : ".png");
    auto it = cache.find(path);
    if (it != cache.end()) return *it;
    QPixmap pixmap(path);
    if (pixmap.isNull() && hiDpi) return LoadScaled(base, 1.0);
    if (hiDpi) pixmap.setDevicePixelRatio(2.0);
    cache.insert(path, pixmap);
    return pixmap;
}

}  // namespace

QPixmap PiecePixmap(int id, qreal devicePixelRatio) {
    if (id <= 0) return {};
    return LoadScaled(QStringLiteral(":/img/piece/%1").arg(id), devicePixelRatio);
}

QCursor DragCursor(int id, qreal devicePixelRatio) {
    QPixmap pixmap = PiecePixmap(id, devicePixelRatio);
    if (pixmap.isNull()) return QCursor(Qt::ClosedHandCursor);
    return QCursor(pixmap);
}

QPixmap Picture(const QString& name, qreal devicePixelRatio) {
    return LoadScaled(QStringLiteral(":/img/") + name, devicePixelRatio);
}

}  // namespace torvane
