#include "net/NetSession.h"

namespace torvane {

// An offer that cannot be sent changes nothing, and neither does one confirmed after the item
// was taken away: a peer's offer, accepted while the side dialog was open, started a game that
// a new offer would abandon on this side only.
void NetSession::OfferGame(bool sente) {
    if (!game_.MayOfferGame()) return;
    MessageCode code = sente ? MessageCode::OfferSente : MessageCode::OfferGote;
    if (!Send(CodeMsg{code, ui.Label16})) return;
    game_.AwaitAnswerToOffer(sente ? Side::Sente : Side::Gote);
    pendingOffer_ = code;
}

}  // namespace torvane
