#pragma once

#include <QImage>
#include <vector>

#include "tools/assetgen/AssetCatalog.h"

namespace torvane {

// Overview pictures for checking the art by eye, enlarged without smoothing so single pixels
// show. PieceSheet: every piece image on maple, the normal ones at 4x next to the high-density
// ones at 2x, a row per kind. PictureSheet: the other pictures at 2x on felt.
QImage PieceSheet(const std::vector<Asset>& assets);
QImage PictureSheet(const std::vector<Asset>& assets);

}  // namespace torvane
