#pragma once

#include "app/editor/SetUpSurface.h"

namespace torvane {

// A hand, or the box of spare pieces, of the position editor: a caption over nine slots on the
// wood of the main window's hands, one for each kind, weakest first, three to a row, each with
// the piece and how many lie there. Its lengths follow its width, so the dialog's scale grows it.
class PieceTray : public SetUpSurface {
public:
    // The slots of `place` (a hand of a side, or the box, whose pieces go to the board for
    // `place.side`), under `caption`.
    PieceTray(const SetUpBoard& board, const SetUpPlace& place, const QString& objectName,
              const QString& caption, QWidget* parent);

    // The place of the slot under `pos`; the tray's place without a kind between the slots,
    // where a piece can be put but none is picked up.
    std::optional<SetUpPlace> PlaceAt(QPoint pos) const override;
    QRect SlotRect(int kind) const;
    int PieceSize() const;
    // The kind whose piece is held, its slot washed warm until it is dropped; 0 for none.
    void MarkHeld(int kind);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double Scale() const;
    void PaintCount(QPainter& p, const QRect& slot, int count) const;

    const SetUpBoard& board_;
    SetUpPlace place_;
    QString caption_;
    int held_ = 0;
};

}  // namespace torvane
