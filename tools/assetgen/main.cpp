// Draws every picture and sound of the program into a folder of the build tree, together with
// the resource collection that lists them. Files whose bytes did not change are left alone, so
// a rebuild recompiles the resources only when the art really changed.
//
//   torvane_assetgen OUTPUT_DIR [--sheet FILE.png]
//
// --sheet also writes enlarged overviews for checking the art by eye: FILE.png with the piece
// images and FILE-pictures.png with the rest.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "tools/assetgen/AssetCatalog.h"
#include "tools/assetgen/ContactSheet.h"

namespace {

bool WriteIfChanged(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) return true;
    file.close();
    QDir().mkpath(QFileInfo(fileName).path());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool WriteAll(const QString& dir, const std::vector<torvane::Asset>& assets) {
    for (const torvane::Asset& asset : assets)
        if (!WriteIfChanged(dir + '/' + asset.path, asset.bytes)) return false;
    return WriteIfChanged(dir + QStringLiteral("/assets.qrc"), torvane::ResourceCollection(assets));
}

bool WriteSheets(const QString& fileName, const std::vector<torvane::Asset>& assets) {
    QString pictures = fileName;
    if (pictures.endsWith(QStringLiteral(".png"))) pictures.chop(4);
    pictures += QStringLiteral("-pictures.png");
    return torvane::PieceSheet(assets).save(fileName) &&
           torvane::PictureSheet(assets).save(pictures);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool withSheet = args.size() == 4 && args[2] == QStringLiteral("--sheet");
    if (args.size() != 2 && !withSheet) {
        std::fprintf(stderr, "usage: torvane_assetgen OUTPUT_DIR [--sheet FILE.png]\n");
        return 2;
    }
    const std::vector<torvane::Asset> assets = torvane::BuildAssets();
    if (!WriteAll(args[1], assets)) {
        std::fprintf(stderr, "torvane_assetgen: cannot write to %s\n", qPrintable(args[1]));
        return 1;
    }
    if (withSheet && !WriteSheets(args[3], assets)) {
        std::fprintf(stderr, "torvane_assetgen: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
