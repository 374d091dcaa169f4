#include "game/Game.h"
#include "rules/MovementRules.h"

namespace torvane {

// A drop on any control but a board cell, or with nothing held, ends the drag and changes
// nothing else.
void Game::DropElsewhere() {
    shell_.EndDrag();
    if (settings_.rangeDisplay) CancelDrag();
    inProgress_.End();
}

// The held piece's move ends here, made or not: the range display goes before the move.
void Game::Image1_DragDrop(int cell) {
    if (cell < 0 || cell >= kCellCount || !inProgress_.Holding()) return DropElsewhere();
    const Move move = inProgress_.DropOn(cell);
    shell_.EndDrag();
    if (!move.IsDrop() && settings_.rangeDisplay) CancelDrag();
    inProgress_.End();

    if (move.IsDrop()) {
        // A piece from a hand goes only onto an empty cell.
        if (Image1[cell].Tag == SenteTag || Image1[cell].Tag == GoteTag) return;
    } else if (!IsStepNeighbour(move.from, cell)) {
        return;
    }
    // The local player of a network game is not told of his own threat; the peer is, when the
    // move arrives there.
    bool tellThreat = NetworkGame != 1;
    const Cell& target = Image1[cell];
    if (target.Tag == EmptyTag) {
        MakeRecorded(&Game::MoveToEmptyCell, move, tellThreat);
    } else {
        bool goteTarget = target.Tag == GoteTag;
        CaptureOutcome outcome =
            JudgeCapture(Image1[move.from], target, goteTarget ? SenteTag : GoteTag, target.Tag);
        if (outcome == CaptureOutcome::RefusedWithoutScan) return;
        if (outcome == CaptureOutcome::Capture)
            MakeRecorded(goteTarget ? &Game::CaptureBySente : &Game::CaptureByGote, move,
                         tellThreat);
    }
    EndOfGameScan();
    TellAcrossItsTurn();
}

// The record keeps the move with the state before it. A box opens only once the move is
// complete (board, hands, record entry, turn display and clocks), so nothing the box's event
// loop runs meanwhile sees a half-made move.
void Game::MakeRecorded(void (Game::*make)(const Move&), const Move& move, bool tellThreat) {
    PendingMove pending = PrepareRecord(move);
    elephantThreatened_ = false;
    (this->*make)(move);
    KeepMove(std::move(pending));
    if (tellThreat && elephantThreatened_) shell_.ShowMessage("象手です");
}

// The mover's marker turns neutral, the other green; the mover's clock is reset and stopped and
// the other side's runs.
void Game::MoveToEmptyCell(const Move& move) {
    ApplyMove(move);
    HandOverToPeer(move);
    if (Turn == 0) {
        PassTurnToTop();
        clocks.ZeroBottom();
        RunTimer2();
        Turn = 1;
        return;
    }
    PassTurnAfterGote();
    Turn = 0;
}

// After a Gote move the bottom marker is the mover's when the local player of a network game
// is Gote; otherwise it is Sente's, whose turn comes next.
void Game::PassTurnAfterGote() {
    if (LocalIsGote == 1) {
        PassTurnToTop();
        RunTimer2();
    } else {
        PassTurnToBottom();
        RunTimer1();
    }
    clocks.ZeroTop();
}

void Game::CaptureBySente(const Move& move) {
    PassTurnToTop();
    clocks.ZeroBottom();
    RunTimer2();
    Turn = 1;
    ApplyMove(move, Side::Sente);
    HandOverToPeer(move);
}

void Game::CaptureByGote(const Move& move) {
    PassTurnAfterGote();
    Turn = 0;
    ApplyMove(move, Side::Gote);
    HandOverToPeer(move);
}

}  // namespace torvane
