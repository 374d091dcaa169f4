#pragma once

#include <QImage>

#include "tools/assetgen/WoodGrain.h"

namespace torvane {

// Background of the main window: dark green felt, 800 x 800, tiling.
QImage FeltTexture();
// Background of the board: light maple with visible grain, 360 x 360, tiling.
QImage MapleTexture();
// Background of the hand boxes and the title panel: medium wood, 256 x 256, tiling.
QImage WoodTexture();

// The wood styles shared with the lettered pictures.
WoodStyle MediumWood(std::uint64_t seed);
WoodStyle OrangeWood(std::uint64_t seed);
WoodStyle DarkWood(std::uint64_t seed);

}  // namespace torvane
