#pragma once

// Checks of what the window shows, on a picture of it rendered as the player sees it.

#include <QImage>
#include <QWidget>

#include "app/window/ImageStore.h"

namespace torvane {

// Renders `w`; kept as <name>.png when TORVANE_SNAPSHOT_DIR is set, to be looked at.
inline QImage Snapshot(QWidget& w, const char* name) {
    QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("TORVANE_SNAPSHOT_DIR");
    if (!dir.isEmpty()) image.save(dir + "/" + name + ".png");
    return image;
}

// How many pixels of the `size` x `size` picture at `at` show exactly `piece`'s own opaque
// pixels.
inline int MatchingPixels(const QImage& window, QPoint at, int pieceId, int size = 32) {
    QImage piece = PiecePixmap(pieceId, size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    int matches = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(piece.pixel(x, y)) == 255 &&
                window.pixel(at + QPoint(x, y)) == (piece.pixel(x, y) | 0xFF000000))
                ++matches;
    return matches;
}

}  // namespace torvane
