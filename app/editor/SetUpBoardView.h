#pragma once

#include "app/editor/SetUpSurface.h"

namespace torvane {

// The board of the position editor: the maple of the main board with a margin of wood round
// the grid, and the pieces set up, Sente's black and upright, Gote's red and turned. Its
// lengths follow its width, so the dialog's scale grows it.
class SetUpBoardView : public SetUpSurface {
public:
    SetUpBoardView(const SetUpBoard& board, QWidget* parent);

    // The cell under `pos`, or nothing over the margin.
    std::optional<SetUpPlace> PlaceAt(QPoint pos) const override;
    // The cell under `pos`, or -1 over the margin.
    int CellAt(QPoint pos) const;
    QRect CellRect(int cell) const;
    int PieceSize() const;
    // Top-left corner of the picture of the piece on `cell`, centred inside its grid lines.
    QPoint PiecePos(int cell) const;
    // The cell whose piece is held, washed warm until it is dropped; -1 for none.
    void MarkHeld(int cell);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The position of grid line `index` (0..9) from the widget's edge, and its width.
    int GridLine(int index) const;
    int LineWidth() const;

    const SetUpBoard& board_;
    int held_ = -1;
};

}  // namespace torvane
