#pragma once

#include <optional>
#include <string>

#include "record/GameResult.h"
#include "record/RecordedMove.h"
#include "rules/BoardPosition.h"

namespace torvane {

// A position under the game's own rules, as a record replays it: the board as Sente sees it
// (cells as in `RecordedMove`), the pieces each side holds in hand and the side to move.
class RecordPosition {
public:
    // The start position: Sente to move, both hands empty.
    RecordPosition();
    // The position `start`, with its move number taken as 1: a record counts its moves from 1.
    explicit RecordPosition(const BoardPosition& start);

    // The whole position, move number 1.
    const BoardPosition& Position() const { return position_; }
    // Owner tag ("0", "1" Sente, "2" Gote) and kind of every cell; pictures are not kept.
    const BoardCells& Board() const { return position_.board; }
    // How many pieces of `kind` `side` holds in hand.
    int InHand(Side side, int kind) const;
    Side ToMove() const { return position_.toMove; }

    // The game is decided when a side has no Elephant or no Rat left on the board: the loser,
    // and which of the two it lost.
    std::optional<GameResult> Decided() const;

    // Plays `move` when it is legal here, and sets its `capture`: the mover is the side to
    // move and the game is not decided; a step takes the mover's piece of `kind` to a
    // neighbouring cell that is empty or holds an enemy it may take; a drop (only when
    // `dropsAllowed`) puts a piece of `kind` from the mover's hand on an empty cell. A taken
    // piece goes to the capturer's hand unless that hand already holds 18 pieces. Returns why
    // the move is not legal, in Japanese, and changes nothing then.
    std::optional<std::string> Play(RecordedMove& move, bool dropsAllowed);

    // The engine's position string (WriteSfen), move number 1: the same text `EnginePosition`
    // gives for a game showing this position.
    std::string Sfen() const;

private:
    std::optional<std::string> CheckDrop(const RecordedMove& move, bool dropsAllowed) const;
    std::optional<std::string> CheckStep(const RecordedMove& move) const;
    void TakeIntoHand(int kind);

    BoardPosition position_;
};

}  // namespace torvane
