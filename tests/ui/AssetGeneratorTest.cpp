#include <gtest/gtest.h>
#include <QFile>
#include <QSet>

#include "images/PieceImageTable.h"
#include "tools/assetgen/AssetCatalog.h"

namespace torvane {
namespace {

// Drawing everything again in this process gives the very bytes the build compiled in: the
// generator depends on nothing but its code and its fonts.
TEST(AssetGenerator, DrawsTheSameBytesAsTheBuiltResources) {
    const std::vector<Asset> assets = BuildAssets();
    ASSERT_FALSE(assets.empty());
    for (const Asset& asset : assets) {
        QFile built(QStringLiteral(":/") + asset.path);
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << asset.path.toStdString();
        EXPECT_EQ(built.readAll(), asset.bytes) << asset.path.toStdString();
    }
}

TEST(AssetGenerator, ListsEveryPieceImageOnceAtBothScales) {
    const std::vector<Asset> assets = BuildAssets();
    QSet<QString> paths;
    for (const Asset& asset : assets) paths.insert(asset.path);
    EXPECT_EQ(paths.size(), qsizetype(assets.size()));
    for (const PieceImageEntry& e : PieceImageEntries()) {
        EXPECT_TRUE(paths.contains(QStringLiteral("img/piece/%1.png").arg(e.id))) << e.id;
        EXPECT_TRUE(paths.contains(QStringLiteral("img/piece/%1@2x.png").arg(e.id))) << e.id;
    }
    const QByteArray qrc = ResourceCollection(assets);
    for (const Asset& asset : assets)
        EXPECT_TRUE(qrc.contains("<file>" + asset.path.toUtf8() + "</file>"));
}

}  // namespace
}  // namespace torvane
