#include "tools/assetgen/AssetCatalog.h"

#include <QBuffer>
#include <QCryptographicHash>

#include "images/PieceImageTable.h"
#include "tools/assetgen/PieceToken.h"
#include "tools/assetgen/Textures.h"
#include "tools/assetgen/TitlePictures.h"
#include "tools/assetgen/WaveSounds.h"

namespace torvane {

namespace {

// Adds `name`.png drawn by `draw(1)` and `name`@2x.png drawn by `draw(2)`.
template <typename Draw>
void AddBothScales(std::vector<Asset>& assets, const QString& name, Draw draw) {
    assets.push_back({name + QStringLiteral(".png"), PngBytes(draw(1))});
    assets.push_back({name + QStringLiteral("@2x.png"), PngBytes(draw(2))});
}

}  // namespace

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::vector<Asset> BuildAssets() {
    std::vector<Asset> assets;
    for (const PieceImageEntry& entry : PieceImageEntries())
        AddBothScales(assets, QStringLiteral("img/piece/%1").arg(entry.id),
                      [&](int scale) { return PieceImage(entry, 32 * scale); });
    AddBothScales(assets, QStringLiteral("img/icon"), ProgramIcon);
    AddBothScales(assets, QStringLiteral("img/title"), TitlePicture);
    AddBothScales(assets, QStringLiteral("img/about"), AboutPicture);
    AddBothScales(assets, QStringLiteral("img/splash"), SplashPicture);
    assets.push_back({QStringLiteral("img/felt.png"), PngBytes(FeltTexture())});
    assets.push_back({QStringLiteral("img/maple.png"), PngBytes(MapleTexture())});
    assets.push_back({QStringLiteral("img/wood.png"), PngBytes(WoodTexture())});
    assets.push_back({QStringLiteral("sound/101.wav"), MoveSoundWave()});
    assets.push_back({QStringLiteral("sound/102.wav"), MessageSoundWave()});
    assets.push_back({QStringLiteral("sound/103.wav"), TimeWarningSoundWave()});
    return assets;
}

QByteArray ResourceCollection(const std::vector<Asset>& assets) {
    QCryptographicHash content(QCryptographicHash::Sha256);
    for (const Asset& asset : assets) content.addData(asset.path.toUtf8() + '\0' + asset.bytes);
    QByteArray qrc("<!DOCTYPE RCC>\n<!-- content " + content.result().toHex() + " -->\n");
    qrc += "<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Asset& asset : assets) qrc += "    <file>" + asset.path.toUtf8() + "</file>\n";
    return qrc + "</qresource>\n</RCC>\n";
}

}  // namespace torvane
