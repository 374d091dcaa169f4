#include "game/Game.h"

namespace torvane {

// A flag of 1 means the option is off; anything else (0, never set) means on.
SettingsChoice Game::SettingsOnLoad() const {
    return SettingsChoice{SoundOff != 1, RangeDisplayOff != 1, CheckNoticeOff != 1,
                          CapturedPiecesOff != 1, TimeLimitOff != 1};
}

void Game::ApplySettings(SettingsChoice choice) {
    SoundOff = choice.sound ? 0 : 1;
    RangeDisplayOff = choice.rangeDisplay ? 0 : 1;
    CheckNoticeOff = choice.checkNotice ? 0 : 1;
    bool captured = choice.capturedPieces;
    if (captured && NetworkGame == 1) {
        shell_.ShowMessage("ネットワーク対戦は取った駒を使用できません");
        captured = false;
    }
    ui.Picture2 = ui.Picture3 = captured;
    CapturedPiecesOff = captured ? 0 : 1;
    if (!choice.timeLimit) {
        TimeLimitOff = 1;
        TimeLimitWasOff = 1;
        return;
    }
    TimeLimitOff = 0;
    // Switching the limit back on restarts the running move's time at zero.
    if (TimeLimitWasOff == 1) {
        TimeLimitWasOff = 0;
        clocks.ZeroBoth();
        ui.Label3 = kZeroClock;
        ui.Label1 = kZeroClock;
    }
}

}  // namespace torvane
