#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/DialogScale.h"
#include "app/dialogs/RecordWindow.h"
#include "app/engine/ComputerPlayer.h"
#include "app/window/Form1.h"
#include "record/Notation.h"
#include "rules/StartBoard.h"

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
    return StartComputerGame(choice, setUp, dialog.ContinueFromHere());
}

// もう一局 after a game against the computer: the same level and time, the sides swapped, from
// the position the last game started from.
void Form1::PlayComputerAgain() {
    ComputerGameChoice choice = preferences_.ComputerGame();
    choice.playerIsGote = !choice.playerIsGote;
    preferences_.KeepComputerGame(choice);
    const BoardPosition start = game_.History().header().start;
    const bool setUp = start != BoardPosition{StartBoard()};
    StartComputerGame(choice, setUp ? &start : nullptr, false);
}

bool Form1::StartComputerGame(const ComputerGameChoice& choice, const BoardPosition* setUp,
                              bool fromHere) {
    CancelComputerMove();
    ClearHint();
    if (!StartEngine()) return false;
    computer_->NewGame(StrengthOfLevel(choice.level, choice.topSeconds));
    if (setUp)
        game_.StartFromPosition(*setUp, choice.playerIsGote, computer_, choice.timeLimit);
    else if (fromHere)
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

// Once a game against the computer is decided, the record's window says how and offers the next
// step.
void Form1::OfferNextGame() {
    const bool decided = game_.ComputerGameDecided() && game_.History().result();
    if (decided == nextGameOffered_) return;
    nextGameOffered_ = decided;
    if (!decided) return;
    const GameResult& result = *game_.History().result();
    const int moves = static_cast<int>(game_.History().entries().size());
    kifuhyouji_Click();
    record_->OfferNextGame(QString::fromStdString(
        (result.loser == game_.LocalSide() ? "あなたの負けです\n" : "あなたの勝ちです\n") +
        SummaryLine(moves, result) + "（" + ResultText(result) + "）"));
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
