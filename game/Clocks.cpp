#include "game/ClockFormat.h"
#include "game/Game.h"

namespace torvane {

void Game::Timer1_Timer() {
    ClockTick(true);
}
void Game::Timer2_Timer() {
    ClockTick(false);
}

bool Game::TimeLimitOn() const {
    return ComputerGame == 1 ? computerTimeLimit_ : settings_.timeLimit;
}

// The limit is three minutes a move: the warning starts at 2:30 on the running clock.
constexpr int kWarningDisplay = 230;

bool Game::ClockWarning(bool bottom) const {
    return TimeLimitOn() && (bottom ? ui.Timer1 : ui.Timer2) &&
           clocks.Display(bottom) >= kWarningDisplay;
}

void Game::ClockTick(bool bottom) {
    if (!clocks.Tick(bottom, TimeLimitOn())) return RunOutOfTime(bottom);
    (bottom ? ui.Label1 : ui.Label3) = FormatClock(clocks.Display(bottom));
    // The sound warns a player sitting at this computer, once a move: at one computer either
    // clock is a player's, in a network game or against the computer only the bottom one.
    const bool playersClock = bottom || (NetworkGame != 1 && ComputerGame != 1);
    if (TimeLimitOn() && playersClock && settings_.sound &&
        clocks.Display(bottom) == kWarningDisplay)
        shell_.PlaySound(TimeWarningSoundId);
}

// The clock is stopped and the board locked before the message is shown, so the ticking
// clock cannot announce the same loss again while the box is open.
void Game::RunOutOfTime(bool bottom) {
    (bottom ? ui.Timer1 : ui.Timer2) = false;
    SetBoardOpen(false);
    clocks.ClockMinutes = 0;
    // The bottom clock is the local player's: Gote's when the board is turned for Gote.
    Side bottomSide = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    if (bottom || NetworkGame != 1)
        RecordResult(GameEnd::TimeUp, bottom ? bottomSide : Opponent(bottomSide));
    if (!bottom && NetworkGame == 1 && NetworkGameRunning == 1) ui.PeerOverdue = true;
    if (bottom && NetworkGame == 1) {
        if (across_) across_->LocalOutOfTime();
        NetworkGameRunning = 0;
        ui.touryou = false;
        shell_.ShowMessage("あなたの負けです。");
    } else if (NetworkGame != 1) {
        ui.touryou = false;
        if (bottom && across_) across_->LocalOutOfTime();
        const bool againstComputer = ComputerGame == 1;
        EndComputerGame();
        const Side loser = bottom ? bottomSide : Opponent(bottomSide);
        shell_.ShowMessage(againstComputer        ? PlayerResult(loser)
                           : loser == Side::Sente ? "先手の負けです"
                                                  : "後手の負けです");
    }
}

}  // namespace torvane
