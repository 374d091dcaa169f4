#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/window/KeyboardCursor.h"
#include "app/window/ScaledPicture.h"
#include "game/Game.h"

namespace torvane {

// `Picture1`: the board. Paints the wood (or a chosen picture), the grid and the pictures of
// the 81 cells, and maps a point to the cell under it.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const Game& game, QWidget* parent);

    // Lays the board out at `scale` times the design size.
    void SetScale(double scale);
    // The cell whose 600-twip square holds `pos`, or -1 over the margin beyond the grid.
    int CellAt(QPoint pos) const;
    // The square of cell `cell` between its grid lines.
    QRect CellRect(int cell) const;
    // Top-left corner of the picture of cell `cell`, and the pictures' size.
    QPoint CellPicturePos(int cell) const;
    int PieceSize() const;

    // A chosen picture fitted to the board, drawn under the grid; a null image restores wood.
    void SetBackground(const QImage& picture);

    // Shows `cells` (a position of the record) instead of the game's board, with the sign of a
    // replay; nullptr shows the game again.
    void ShowReplay(const BoardCells* cells);
    bool Replaying() const { return replay_ != nullptr; }
    // The last move's cells, softly marked until the next move: -1 for none (a drop has no
    // origin).
    void MarkLastMove(int from, int to);
    std::pair<int, int> LastMove() const { return {lastFrom_, lastTo_}; }
    // The files' numbers and the ranks' kanji in the corners of the edge cells, turned with the
    // board for a Gote player.
    void ShowCoordinates(bool shown);
    bool CoordinatesShown() const { return coordinates_; }
    // The cells shown: the game's, or a replayed position's.
    const BoardCells& ShownCells() const { return replay_ ? *replay_ : game_.Squares(); }
    // The keyboard cursor, framed on its cell while it is shown.
    void SetKeyboardCursor(const KeyboardCursor* cursor) { cursor_ = cursor; }
    const KeyboardCursor* keyboardCursor() const { return cursor_; }
    const Game& game() const { return game_; }

    std::function<void(int cell, Qt::MouseButton)> onPress;
    std::function<void(QPoint globalPos)> onRelease;
    // An assistive tool asked to act on cell `cell`, as Enter with the cursor there would.
    std::function<void(int cell)> onActivate;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const QPixmap& Base();
    // The position of grid line `index` (0..9) from the board's edge.
    int GridLine(int index) const;
    void PaintLastMove(QPainter& p) const;
    void PaintReplaySign(QPainter& p) const;
    void PaintCoordinates(QPainter& p) const;
    void PaintKeyboardCursor(QPainter& p) const;

    const Game& game_;
    const BoardCells* replay_ = nullptr;
    const KeyboardCursor* cursor_ = nullptr;
    int lastFrom_ = -1, lastTo_ = -1;
    bool coordinates_ = true;
    double scale_ = 1.0;
    ScaledPicture background_;
    QPixmap base_;
};

}  // namespace torvane
