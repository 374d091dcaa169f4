#pragma once

#include <QCursor>
#include <QPixmap>
#include <QStringList>

namespace torvane {

// The pictures of the program at the size they are shown, for the device pixels of the screen
// they are shown on. Sizes the build drew into the resources are loaded from there; any other
// size is drawn afresh by the same drawing code, so a picture is never enlarged and blurred.
// Every picture is kept once drawn, so repaints only copy it.

// Piece image `id` (101..202), `size` logical pixels square.
QPixmap PiecePixmap(int id, int size, qreal devicePixelRatio);

// Has every piece image drawn at `size` where the build did not draw that size, so that ghosts
// and held pieces are drawn before they are first shown.
void PreparePieces(int size, qreal devicePixelRatio);

// The pointer shown while a piece is dragged: its `Held` image, `size` logical pixels square,
// with the hot spot in the middle.
QCursor DragCursor(int id, int size, qreal devicePixelRatio);

// A tiling texture (":/img/<name>.png": felt, maple, wood), one texel to a device pixel.
QPixmap Texture(const QString& name, qreal devicePixelRatio);
// Starts reading the textures `names` on threads of their own, so that decoding them overlaps
// the building of the window; Texture() takes them from there. Textures already read or
// being read are skipped.
void StartReadingTextures(const QStringList& names);

// The title panel's picture, the about box's and the splash's, `size` logical pixels.
QPixmap TitlePixmap(QSize size, qreal devicePixelRatio);
QPixmap AboutPixmap(QSize size, qreal devicePixelRatio);
QPixmap SplashPixmap(QSize size, qreal devicePixelRatio);

}  // namespace torvane
