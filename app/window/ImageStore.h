#pragma once

#include <QCursor>
#include <QPixmap>

namespace torvane {

// Piece images by id (101..202), at the resolution of the screen they are drawn on.
QPixmap PiecePixmap(int id, qreal devicePixelRatio);

// The pointer shown while a piece is dragged: its `Held` image, with the hot spot in the middle.
QCursor DragCursor(int id, qreal devicePixelRatio);

// A picture of the program (":/img/<name>.png"), with its @2x version on HiDPI screens.
QPixmap Picture(const QString& name, qreal devicePixelRatio);

}  // namespace torvane
