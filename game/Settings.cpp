#include "game/Game.h"

namespace torvane {

SettingsChoice Game::SettingsOnLoad() const {
    return settings_;
}

// Captured pieces cannot be used over the network: the peer has no way to receive a drop.
void Game::ApplySettings(SettingsChoice choice) {
    settings_.sound = choice.sound;
    settings_.rangeDisplay = choice.rangeDisplay;
    settings_.checkNotice = choice.checkNotice;
    if (choice.capturedPieces && NetworkGame == 1) {
        shell_.ShowMessage("ネットワーク対戦は取った駒を使用できません");
        choice.capturedPieces = false;
    }
    ui.Picture2 = ui.Picture3 = choice.capturedPieces;
    // Switching the limit back on restarts the running move's time at zero.
    const bool limitBackOn = choice.timeLimit && !settings_.timeLimit;
    settings_ = choice;
    if (!limitBackOn) return;
    clocks.ZeroBoth();
    ui.Label3 = kZeroClock;
    ui.Label1 = kZeroClock;
}

}  // namespace torvane
