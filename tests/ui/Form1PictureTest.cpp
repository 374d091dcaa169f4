#include <gtest/gtest.h>

#include "UiHelpers.h"
#include "WindowPictures.h"
#include "rules/PieceKind.h"

using namespace torvane;

TEST(Form1Picture, EveryPieceIsDrawnOnItsCell) {
    ShownForm f;
    QImage image = Snapshot(f.form, "start");
    const QPoint board = f.form.board()->mapTo(&f.form, QPoint(0, 0));
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = f.form.game().Squares()[i];
        if (!cell.Picture) continue;
        EXPECT_GT(MatchingPixels(image, board + f.form.board()->CellPicturePos(i), cell.Picture),
                  500)
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
    EXPECT_GT(MatchingPixels(image, board + f.form.board()->CellPicturePos(66), 106), 300);
    QPoint hand =
        f.form.hand(Hand::Image5)->mapTo(&f.form, f.form.hand(Hand::Image5)->SlotRect(0).topLeft());
    EXPECT_GT(MatchingPixels(image, hand + QPoint(4, 1), 189), 500);
}
