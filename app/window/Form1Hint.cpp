#include "app/engine/ComputerPlayer.h"
#include "app/window/Form1.h"
#include "app/window/HintMarks.h"

namespace torvane {

// "ヒント(&T)": the engine is asked for a move of the side to move; the answer is marked on the
// board until the next press.
void Form1::hinto_Click() {
    if (!game_.BoardOpen() || game_.NetworkMode() || computer_->Advising()) return;
    LeaveReplay();  // the hint is for the game's position
    ClearHint();
    if (!StartEngine()) return;
    computer_->Advise();
}

void Form1::ShowHint(const EngineMove& move) {
    if (!hint_) hint_ = new HintMarks(Picture1);
    hint_->Mark(move.from, move.to);
}

// A press, a move, a new game or another position shown makes the hint out of date; a hint still
// being thought about is dropped when it comes.
void Form1::ClearHint() {
    computer_->Forget();
    if (hint_) hint_->Clear();
}

}  // namespace torvane
