#pragma once

#include <QFont>
#include <QImage>

#include "images/PieceImageTable.h"

namespace torvane {

// The picture of one piece image, `size` pixels square (32 for the normal resolution, 64 for
// high-density screens): a round wooden token with the animal's kanji, black and upright or
// red and turned, plain, with a hand over it (Held) or pale and dithered (Ghost). The corners
// outside the disc are transparent.
QImage PieceImage(const PieceImageEntry& entry, int size);
// The same with the kanji in `brush` instead of the brush-script font.
QImage PieceImage(const PieceImageEntry& entry, int size, const QFont& brush);

}  // namespace torvane
