#include "net/NetSession.h"

namespace torvane {

// The position is reset and the board stays locked until the answer comes; the markers keep
// their captions until then. An offer that cannot be sent changes nothing, and neither does one
// confirmed after the item was taken away: a peer's offer, accepted while the side dialog was
// open, started a game that a new offer would abandon on this side only.
void NetSession::OfferGame(bool sente) {
    if (!ui.kopyuuta) return;
    MessageCode code = sente ? MessageCode::OfferSente : MessageCode::OfferGote;
    if (!Send(CodeMsg{code, ui.Label16})) return;
    if (sente) ui.touryou = true;
    ui.Timer2 = ui.Timer1 = false;
    game_.NetworkSetup();
    ui.kopyuuta = false;
    game_.NetworkGameRunning = 0;
    pendingOffer_ = code;
}

}  // namespace torvane
