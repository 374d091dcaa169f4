#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/DialogScale.h"
#include "app/engine/EngineProcess.h"
#include "app/window/Form1.h"
#include "game/EnginePosition.h"
#include "record/RecordPosition.h"

namespace torvane {

namespace {

// The game as the engine is to see it: the start position and every move since, so that it
// knows which positions were already reached. When the record does not lead to the board as
// it stands (a position set up otherwise), the board alone.
EngineLine GameLine(const Game& game) {
    RecordPosition replay;
    EngineLine line{replay.Sfen(), {}};
    for (const MoveHistory::Entry& entry : game.History().entries()) {
        RecordedMove move = entry.move;
        if (replay.Play(move, game.DropsAllowed())) return {EnginePosition(game), {}};
        line.moves.push_back(EngineMoveText({move.IsDrop(), move.from, move.to, move.kind}, false));
    }
    if (replay.Sfen() != EnginePosition(game)) return {EnginePosition(game), {}};
    return line;
}

}  // namespace

// "対局（コンピュータ）(&P)": the dialog, then a new game against the computer, which
// abandons the running one at once. When the engine cannot be started the game stays as it
// was.
void Form1::konpyuta_Click() {
    ComputerGameDialog dialog(this);
    dialog.OfferToContinue(game_.MayPlayOn());
    ScaleDialog(dialog, scale_);
    if (dialog.exec() != QDialog::Accepted) return;
    CancelComputerMove();
    ClearHint();
    if (!StartEngine()) return;
    engine_->NewGame();
    level_ = dialog.Level();
    if (dialog.ContinueFromHere())
        game_.LoadRecord(game_.History().ToRecord(), dialog.PlayerIsGote(), 1);
    else
        game_.StartComputerGame(dialog.PlayerIsGote());
    const std::string computer = "コンピュータ（レベル" + std::to_string(level_) + "）";
    if (dialog.PlayerIsGote())
        game_.NamePlayers(computer, "後手");
    else
        game_.NamePlayers("先手", computer);
    Render();
    AskComputer();
}

// The engine process is made with the first request and started again after a failure.
bool Form1::StartEngine() {
    if (!engine_) {
        engine_ = new EngineProcess(this);
        connect(engine_, &EngineProcess::bestMove, this, &Form1::OnBestMove);
        connect(engine_, &EngineProcess::failed, this, &Form1::OnEngineFailed);
    }
    if (engine_->Start()) return true;
    ShowMessage("コンピュータを起動できません");
    return false;
}

// The engine thinks in its own process; its answer comes back through `OnBestMove`.
void Form1::AskComputer() {
    if (!engine_ || pendingTag_ != 0 || !game_.ComputerMayMove()) return;
    pendingTag_ = engine_->Go(GameLine(game_), level_, game_.DropsAllowed());
}

// An answer to an abandoned request, or a move the rules do not allow, changes nothing.
void Form1::OnBestMove(int tag, const QString& text) {
    if (tag == hintTag_) return ShowHint(text);
    if (tag != pendingTag_) return;
    pendingTag_ = 0;
    if (text == "resign") {
        game_.ComputerResigns();
        return Render();
    }
    auto move = ParseEngineMove(text.toStdString(), game_.LocalSide() == Side::Gote);
    if (!move || !game_.ApplyComputerMove(*move)) return;
    Render();
    emit computerMoved();
}

void Form1::CancelComputerMove() {
    if (pendingTag_ == 0) return;
    pendingTag_ = 0;
    engine_->Stop();
}

// The engine died or did not answer: the board stays as it is, and a new game against the
// computer starts the engine again.
void Form1::OnEngineFailed() {
    pendingTag_ = 0;
    hintTag_ = 0;
    ShowMessage("コンピュータが応答しません");
    Render();
}

}  // namespace torvane
