#include "net/NetSession.h"

namespace torvane {

// The player answers the peer's offer. An answer that comes after the connection ended, or
// that cannot be sent, starts nothing. A game accepted here takes the local player's own offer
// away: the listening side still holds it when a peer offers first, and offering again would
// abandon the game on this side only.
void NetSession::AnswerOffer(const CodeMsg& offer) {
    bool peerSente = offer.code == MessageCode::OfferSente;
    bool yes =
        shell_.AskYesNo(peerSente ? "貴方が後手でよろしいですか?" : "貴方が先手でよろしいですか?");
    if (endOfConnection_) return;
    if (!yes) {
        ui.Text7 = offer.text;
        Send(CodeMsg{MessageCode::Refuse, {}});
        return;
    }
    Accept(peerSente ? Side::Gote : Side::Sente, offer.text);
}

// The game starts from the start position whatever the game before left on the board; the
// local board opens only when the local player moves first (an open board on the peer's turn
// would let the local player move, even the peer's pieces). A game accepted here takes the
// local player's own offer away.
void NetSession::Accept(Side local, const std::string& peerHandle) {
    const MessageCode answer =
        local == Side::Gote ? MessageCode::AcceptGote : MessageCode::AcceptSente;
    if (!Send(CodeMsg{answer, ui.Label16})) return;
    pendingOffer_.reset();
    ui.Label15 = peerHandle;
    game_.StartNetworkGame(local, ui.Label16, peerHandle);
}

// The peer takes the side it was offered: Gote after an offer to play Sente, Sente after one
// to play Gote. An answer to an offer that was not made is ignored.
void NetSession::ReceiveAccept(Side peer, const std::string& peerHandle) {
    const MessageCode offered =
        peer == Side::Gote ? MessageCode::OfferSente : MessageCode::OfferGote;
    if (pendingOffer_ != offered) return;
    pendingOffer_.reset();
    ui.Label15 = peerHandle;
    game_.StartNetworkGame(Opponent(peer), ui.Label16, peerHandle);
}

// The offering side may offer again at once.
void NetSession::ReceiveRefuse() {
    if (!pendingOffer_) return;
    pendingOffer_.reset();
    game_.OfferRefused();
    shell_.ShowMessage("対局を拒否されました");
}

}  // namespace torvane
