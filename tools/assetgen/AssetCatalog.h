#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace torvane {

// One generated file: its path below the resource root (":/" + path at run time) and its bytes.
struct Asset {
    QString path;
    QByteArray bytes;
};

// Every picture and sound of the program, drawn afresh. The same bytes come out on every run.
std::vector<Asset> BuildAssets();

// The Qt resource collection (.qrc) that lists `assets` under their paths. It also carries a
// hash of their bytes, so it changes whenever any of them does and the build knows to
// recompile the resources.
QByteArray ResourceCollection(const std::vector<Asset>& assets);

// `image` encoded as PNG.
QByteArray PngBytes(const QImage& image);

}  // namespace torvane
