#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/DialogScale.h"
#include "app/engine/ComputerPlayer.h"
#include "app/window/Form1.h"

namespace torvane {

// "対局（コンピュータ）(&P)": the dialog, then a new game against the computer, which
// abandons the running one at once. When the engine cannot be started the game stays as it
// was.
void Form1::konpyuta_Click() {
    PlayAgainstComputer(nullptr);
}

// The game starts from the start position, from the game on the board when the player
// continues it, or from `setUp`, a position set up by hand; true once it has started.
bool Form1::PlayAgainstComputer(const BoardPosition* setUp) {
    ComputerGameDialog dialog(this);
    dialog.OfferToContinue(!setUp && game_.MayPlayOn());
    dialog.Preselect(preferences_.ComputerGame());
    ScaleDialog(dialog, scale_);
    if (dialog.exec() != QDialog::Accepted) return false;
    const ComputerGameChoice choice = dialog.Choice();
    preferences_.KeepComputerGame(choice);
    CancelComputerMove();
    ClearHint();
    if (!StartEngine()) return false;
    computer_->NewGame(StrengthOfLevel(choice.level, choice.topSeconds));
    if (setUp)
        game_.StartFromPosition(*setUp, choice.playerIsGote, computer_, choice.timeLimit);
    else if (dialog.ContinueFromHere())
        game_.LoadRecord(game_.History().ToRecord(), choice.playerIsGote, computer_,
                         choice.timeLimit);
    else
        game_.StartComputerGame(choice.playerIsGote, *computer_, choice.timeLimit);
    const std::string computer = "コンピュータ（レベル" + std::to_string(choice.level) + "）";
    if (choice.playerIsGote)
        game_.NamePlayers(computer, "後手");
    else
        game_.NamePlayers("先手", computer);
    Render();
    return true;
}

EngineProcess* Form1::engine() const {
    return computer_->engine();
}

bool Form1::StartEngine() {
    if (computer_->Start()) return true;
    ShowMessage("コンピュータを起動できません");
    return false;
}

// The engine thinks in its own process; its answer comes back here. A move the rules do not
// allow changes nothing.
void Form1::OnComputerMove(const EngineMove& move) {
    if (!game_.ApplyComputerMove(move)) return;
    Render();
    emit computerMoved();
}

void Form1::OnComputerResigns() {
    game_.ComputerResigns();
    Render();
}

void Form1::CancelComputerMove() {
    computer_->Cancel();
}

// The engine died or did not answer: the board stays as it is, and a new game against the
// computer starts the engine again.
void Form1::OnEngineFailed() {
    ShowMessage("コンピュータが応答しません");
    Render();
}

}  // namespace torvane
