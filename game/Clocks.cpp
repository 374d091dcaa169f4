#include "game/ClockFormat.h"
#include "game/Game.h"
#include "net/MessageEncoder.h"

namespace torvane {

void Game::Timer1_Timer() {
    ClockTick(true);
}
void Game::Timer2_Timer() {
    ClockTick(false);
}

// One second of the running clock. The limit is tested before the seconds are carried into
// the minutes, so a clock shows 00:03:00 for one second and the loss comes on the next tick.
// The counters are plain ints, so a move timed without a limit never overflows them.
void Game::ClockTick(bool bottom) {
    int& seconds = bottom ? Timer1Seconds : Timer2Seconds;
    int& display = bottom ? Timer1Display : Timer2Display;
    seconds += 1;
    display += 1;
    if (TimeLimitOff == 0 && ClockMinutes == 3) {
        RunOutOfTime(bottom);
        return;
    }
    if (seconds > 59) {
        seconds = 0;
        display += 40;
        ClockMinutes += 1;
    }
    (bottom ? ui.Label1 : ui.Label3) = FormatClock(display);
}

void Game::SendTimeLoss() {
    shell_.Send(Encode(CodeMsg{MessageCode::TimeLoss, {}}));
}

// The clock is stopped and the board locked before the message is shown, so the ticking
// clock cannot announce the same loss again while the box is open.
void Game::RunOutOfTime(bool bottom) {
    (bottom ? ui.Timer1 : ui.Timer2) = false;
    ui.Picture1 = false;
    ClockMinutes = 0;
    if (bottom && NetworkGame == 1) {
        SendTimeLoss();
        NetworkGameRunning = 0;
        ui.touryou = false;
        shell_.ShowMessage("あなたの負けです。");
    } else if (bottom) {
        ui.touryou = false;
        shell_.ShowMessage("先手の負けです");
    } else if (NetworkGame != 1) {
        ui.touryou = false;
        shell_.ShowMessage("後手の負けです");
    }
}

}  // namespace torvane
