#include <gtest/gtest.h>

#include <set>

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

namespace {

// The board's pixels that the coordinates change: those that differ with them shown and hidden.
struct CoordinatePixels {
    std::set<int> cells;        // the cells they lie in
    bool outsideCells = false;  // some lie on a grid line or beyond the ninth
    QImage mask;
};

CoordinatePixels CoordinatesOf(ShownForm& f) {
    BoardView* board = f.form.board();
    auto render = [&] { return board->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage shown = render();
    f.Trigger("zahyou");
    const QImage hidden = render();
    f.Trigger("zahyou");
    CoordinatePixels found{{}, false, QImage(shown.size(), QImage::Format_Mono)};
    found.mask.fill(0);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == hidden.pixel(x, y)) continue;
            found.mask.setPixel(x, y, 1);
            const int cell = board->CellAt({x, y});
            if (cell < 0 || board->CellRect(cell).left() == x || board->CellRect(cell).top() == y)
                found.outsideCells = true;
            else
                found.cells.insert(cell);
        }
    return found;
}

// The coordinates' pixels in the top or the bottom half of cell `cell`.
QImage CellMask(const CoordinatePixels& found, const BoardView& board, int cell, bool top) {
    QRect half = board.CellRect(cell);
    (top ? half.setBottom(half.center().y()) : half.setTop(half.center().y() + 1));
    return found.mask.copy(half);
}

void ClearBoard(Game& game) {
    PlayState state = game.Snapshot();
    state.board.fill(BlankCell);
    game.Restore(state);
}

}  // namespace

// The coordinates are drawn inside the top row's and the right column's cells, every one of
// them and no other; beyond the ninth grid line the box shows the felt of the frame, not wood.
// The files and ranks turn with the board: a Gote player sees １ top left and 九 top right.
TEST(Form1Picture, CoordinatesSitInTheEdgeCellsAndTurnWithTheBoard) {
    std::set<int> edge;
    for (int i = 0; i < 9; ++i) edge.insert({i, 9 * i + 8});
    for (double scale : {1.0, 1.5, 2.0}) {
        ShownForm f;
        f.ScaleTo(scale);
        const CoordinatePixels found = CoordinatesOf(f);
        EXPECT_EQ(found.cells, edge) << "at " << scale;
        EXPECT_FALSE(found.outsideCells) << "at " << scale;

        BoardView& board = *f.form.board();
        const QImage image = board.grab().toImage();
        const QRect last = board.CellRect(80);
        for (QPoint beyond : {QPoint(board.width() - 1, last.center().y()),
                              QPoint(last.center().x(), board.height() - 1)}) {
            const QColor c = image.pixelColor(beyond);
            EXPECT_GT(c.green(), c.red()) << "wood beyond the ninth line at " << scale;
        }
    }

    ShownForm f;
    f.ScaleTo(2.0);
    ClearBoard(f.form.game());
    const CoordinatePixels sente = CoordinatesOf(f);
    f.form.game().LoadRecord(GameRecord{}, true);
    ClearBoard(f.form.game());
    const CoordinatePixels gote = CoordinatesOf(f);
    const BoardView& board = *f.form.board();
    // A glyph's faintest edge may blend into the wood under it exactly, so the same glyph on
    // other wood may differ by a pixel or two; two glyphs differ by far more.
    auto differ = [&](const CoordinatePixels& a, int cellA, const CoordinatePixels& b, int cellB,
                      bool top) {
        const QImage x = CellMask(a, board, cellA, top), y = CellMask(b, board, cellB, top);
        int count = 0;
        for (int row = 0; row < x.height(); ++row)
            for (int column = 0; column < x.width(); ++column)
                count += x.pixelIndex(column, row) != y.pixelIndex(column, row);
        return count;
    };
    EXPECT_GT(differ(sente, 0, sente, 1, true), 12);
    EXPECT_GT(differ(sente, 8, sente, 17, false), 12);
    for (int i = 0; i < 9; ++i) {
        EXPECT_LE(differ(gote, i, sente, 8 - i, true), 3) << "file of cell " << i;
        EXPECT_LE(differ(gote, 9 * i + 8, sente, 80 - 9 * i, false), 3)
            << "rank of cell " << 9 * i + 8;
    }
}
