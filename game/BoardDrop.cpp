#include "game/Game.h"
#include "rules/MovementRules.h"

namespace torvane {

// A drop on any control but a board cell ends the drag and changes nothing else.
void Game::DropElsewhere() {
    HandDrag = 0;
    BoardPickPending = 0;
    shell_.EndDrag();
    if (RangeDisplayOff == 0) CancelDrag();
}

void Game::Image1_DragDrop(int cell) {
    if (cell < 0 || cell >= kCellCount) return DropElsewhere();
    FromCell = PickedCell;
    StepOrigin = PickedCell;
    ToCell = cell;
    if (BoardPickPending == 1) {
        HandDrag = 0;
        BoardPickPending = 0;
    }
    shell_.EndDrag();

    if (HandDrag == 1) {
        // A piece from a hand goes only onto an empty cell.
        if (Image1[cell].Tag == SenteTag || Image1[cell].Tag == GoteTag) {
            HandDrag = 0;
            return;
        }
    } else {
        if (RangeDisplayOff == 0) CancelDrag();
        if (!IsStepNeighbour(StepOrigin, cell)) return;
    }
    if (NetworkGame == 1) LocalNetMove = 1;

    const Cell& target = Image1[cell];
    if (target.Tag == EmptyTag) {
        MakeRecorded(&Game::MoveToEmptyCell);
    } else {
        bool goteTarget = target.Tag == GoteTag;
        CaptureOutcome outcome =
            JudgeCapture(Image1[FromCell], target, goteTarget ? SenteTag : GoteTag, target.Tag);
        if (outcome == CaptureOutcome::RefusedWithoutScan) return;
        if (outcome == CaptureOutcome::Capture)
            MakeRecorded(goteTarget ? &Game::CaptureBySente : &Game::CaptureByGote);
    }
    EndOfGameScan();
}

// The record keeps the move with the state before it.
void Game::MakeRecorded(void (Game::*make)()) {
    PendingMove pending = PrepareRecord();
    (this->*make)();
    KeepMove(std::move(pending));
}

// The mover's marker turns neutral, the other green; the mover's clock is reset and stopped and
// the other side's runs.
void Game::MoveToEmptyCell() {
    if (HandDrag != 1) NoCapture = 1;
    ApplyMove();
    HandOverToPeer();
    if (Turn == 0) {
        PassTurnToLabel4();
        ZeroClock1Counters();
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
        PassTurnToLabel4();
        RunTimer2();
    } else {
        PassTurnToLabel2();
        RunTimer1();
    }
    ZeroClock2Counters();
}

void Game::CaptureBySente() {
    PassTurnToLabel4();
    ZeroClock1Counters();
    RunTimer2();
    Turn = 1;
    ApplyMove();
    HandOverToPeer();
}

void Game::CaptureByGote() {
    PassTurnAfterGote();
    Turn = 0;
    ApplyMove();
    HandOverToPeer();
}

}  // namespace torvane
