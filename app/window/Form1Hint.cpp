#include "app/engine/EngineProcess.h"
#include "app/window/Form1.h"
#include "app/window/HintMarks.h"
#include "game/EnginePosition.h"

namespace torvane {

namespace {

constexpr int kHintLevel = 3;  // a sound move, found in well under a second

}  // namespace

// "ヒント(&T)": the engine is asked for a move of the side to move; the answer is marked on the
// board until the next press.
void Form1::hinto_Click() {
    if (!game_.BoardOpen() || game_.NetworkMode() || hintTag_ != 0) return;
    ClearHint();
    if (!StartEngine()) return;
    hintTag_ = engine_->Go(EnginePosition(game_), kHintLevel, game_.DropsAllowed());
}

void Form1::ShowHint(const QString& text) {
    hintTag_ = 0;
    auto move = ParseEngineMove(text.toStdString(), game_.LocalSide() == Side::Gote);
    if (!move) return;
    if (!hint_) hint_ = new HintMarks(Picture1);
    hint_->Mark(move->from, move->to);
}

// A press, a move or a new game makes the hint out of date; a hint still being thought about
// is dropped when it comes.
void Form1::ClearHint() {
    hintTag_ = 0;
    if (hint_) hint_->Clear();
}

}  // namespace torvane
