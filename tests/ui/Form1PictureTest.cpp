#include <gtest/gtest.h>
#include <QImage>

#include "UiHelpers.h"
#include "app/ImageStore.h"
#include "game/PieceKind.h"

using namespace torvane;

namespace {

// Renders the window as the player sees it; kept as a PNG when TORVANE_SNAPSHOT_DIR is set.
QImage Snapshot(QWidget& w, const char* name) {
    QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QString dir = qEnvironmentVariable("TORVANE_SNAPSHOT_DIR");
    if (!dir.isEmpty()) image.save(dir + "/" + name + ".png");
    return image;
}

// How many pixels of the 32 x 32 picture at `at` show exactly `piece`'s own pixels.
int MatchingPixels(const QImage& window, QPoint at, int pieceId) {
    QImage piece = PiecePixmap(pieceId, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    int matches = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(piece.pixel(x, y)) == 255 &&
                window.pixel(at + QPoint(x, y)) == (piece.pixel(x, y) | 0xFF000000))
                ++matches;
    return matches;
}

}  // namespace

TEST(Form1Picture, EveryPieceIsDrawnOnItsCell) {
    ShownForm f;
    QImage image = Snapshot(f.form, "start");
    const QPoint board = f.form.board()->mapTo(&f.form, QPoint(0, 0));
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = f.form.game().Image1[i];
        if (!cell.Picture) continue;
        EXPECT_GT(MatchingPixels(image, board + BoardView::CellPicturePos(i), cell.Picture), 500)
            << "cell " << i;
    }
}

TEST(Form1Picture, GhostsAndCapturedPiecesAreShown) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    f.DragCell(45, 36);
    f.DragCell(27, 36);  // Gote's Dog takes: it goes to the top hand in red
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    QImage image = Snapshot(f.form, "dragging");
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    QPoint board = f.form.board()->mapTo(&f.form, QPoint(0, 0));
    EXPECT_GT(MatchingPixels(image, board + BoardView::CellPicturePos(66), 106), 300);
    QPoint hand = f.form.hand(Hand::Image5)->mapTo(&f.form, HandView::SlotRect(0).topLeft());
    EXPECT_GT(MatchingPixels(image, hand + QPoint(4, 1), 189), 500);
}
