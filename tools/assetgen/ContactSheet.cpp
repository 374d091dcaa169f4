#include "tools/assetgen/ContactSheet.h"

#include <QPainter>
#include <algorithm>

#include "images/PieceImageTable.h"

namespace torvane {

namespace {

QImage Decoded(const std::vector<Asset>& assets, const QString& path) {
    for (const Asset& asset : assets)
        if (asset.path == path) return QImage::fromData(asset.bytes);
    return {};
}

QImage Tiled(QSize size, const QImage& tile) {
    QImage sheet(size, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.fillRect(sheet.rect(), QBrush(tile));
    return sheet;
}

}  // namespace

QImage PieceSheet(const std::vector<Asset>& assets) {
    constexpr int kCell = 136;
    constexpr int kColumns = 6;
    const auto entries = PieceImageEntries();
    const int rows = static_cast<int>(entries.size()) / kColumns;
    QImage sheet = Tiled(QSize(2 * kColumns * kCell, rows * kCell),
                         Decoded(assets, QStringLiteral("img/maple.png")).scaled(720, 720));
    QPainter painter(&sheet);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const QString name = QStringLiteral("img/piece/%1").arg(entries[i].id);
        const QPoint cell((i % kColumns) * kCell + 4, (i / kColumns) * kCell + 4);
        painter.drawImage(cell, Decoded(assets, name + ".png").scaled(128, 128));
        painter.drawImage(cell + QPoint(kColumns * kCell, 0),
                          Decoded(assets, name + "@2x.png").scaled(128, 128));
    }
    return sheet;
}

QImage PictureSheet(const std::vector<Asset>& assets) {
    const QStringList names = {"splash", "title",   "title@2x", "about", "about@2x",
                               "icon",   "icon@2x", "wood",     "maple", "felt"};
    std::vector<QImage> pictures;
    for (const QString& name : names) pictures.push_back(Decoded(assets, "img/" + name + ".png"));
    QImage sheet = Tiled(QSize(1640, 2400), Decoded(assets, QStringLiteral("img/felt.png")));
    QPainter painter(&sheet);
    QPoint at(8, 8);
    int rowHeight = 0;
    for (const QImage& picture : pictures) {
        const int factor = picture.width() > 300 ? 1 : 2;
        const QImage big = picture.scaled(picture.size() * factor);
        if (at.x() + big.width() > sheet.width()) at = QPoint(8, at.y() + rowHeight + 8);
        painter.drawImage(at, big);
        at.rx() += big.width() + 8;
        rowHeight = std::max(rowHeight, big.height());
    }
    return sheet;
}

}  // namespace torvane
