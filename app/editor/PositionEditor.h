#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "app/editor/SetUpBoard.h"

class QRadioButton;

namespace torvane {

class PieceTray;
class SetUpBoardView;
class SetUpSurface;

// "局面編集": a position set up by hand. The pieces move by drag, or by a click on a piece and
// a click where it goes, between the board, the two hands and the box of spare pieces; a right
// click turns a piece on the board over to the other side. The side to move is chosen, the
// start position or an empty board (every piece in the box) is a button away, and a position
// string from the clipboard can be pasted. A position is checked (CheckSetUp) before it is
// used; a bad pasted string or a position no game can start from is refused in a box that says
// why, and changes nothing.
class PositionEditor : public QDialog {
    Q_OBJECT
public:
    // What the player does with the position set up: a game at one computer, a game against
    // the computer, a record of it shown to study, or a record of it saved.
    enum class Use { PlayHere, PlayComputer, Study, Save };
    // `use` is asked to do it with a checked position, and says whether it was done; the editor
    // closes then, unless the position was only saved.
    using UseHandler = std::function<bool(Use, const BoardPosition&)>;

    PositionEditor(QWidget* parent, UseHandler use);

    // Shows `position` to be edited, whether a game can start from it or not.
    void Load(const BoardPosition& position);
    const SetUpBoard& board() const { return board_; }
    SetUpBoardView* boardView() const { return boardView_; }
    // The hand of `side`, or the box.
    PieceTray* hand(Side side) const { return side == Side::Sente ? senteHand_ : goteHand_; }
    PieceTray* box() const { return box_; }

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void BuildSurfaces(QWidget* felt);
    void BuildTurnPanel(QWidget* felt);
    void BuildButtons(QWidget* felt);
    // The board, the hands and the box.
    std::array<SetUpSurface*, 4> Surfaces() const;
    void OnPress(const SetUpPlace& place, Qt::MouseButton button);
    void OnRelease(QPoint globalPos);
    std::optional<SetUpPlace> PlaceAt(QPoint globalPos) const;
    void Hold(const SetUpPlace& place);
    void Drop(const std::optional<SetUpPlace>& target);
    void EndHold();
    void Paste();
    void Choose(Use use);
    void Tell(const std::string& text);
    void Refresh();

    UseHandler use_;
    SetUpBoard board_;
    std::optional<SetUpPlace> held_;
    SetUpBoardView* boardView_ = nullptr;
    PieceTray *senteHand_ = nullptr, *goteHand_ = nullptr, *box_ = nullptr;
    QRadioButton *senteToMove_ = nullptr, *goteToMove_ = nullptr;
};

}  // namespace torvane
