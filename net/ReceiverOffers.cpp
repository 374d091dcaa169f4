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
    peerSente ? AcceptAsGote(offer.text) : AcceptAsSente(offer.text);
}

// The game starts from the start position whatever the game before left on the board; the
// local board opens only when the local player moves first (an open board on the peer's turn
// would let the local player move, even the peer's pieces). A game accepted here takes the
// local player's own offer away.
void NetSession::AcceptAsGote(const std::string& peerHandle) {
    if (!Send(CodeMsg{MessageCode::AcceptGote, ui.Label16})) return;
    pendingOffer_.reset();
    game_.StartNetworkGame(Side::Gote, peerHandle);
}

void NetSession::AcceptAsSente(const std::string& peerHandle) {
    if (!Send(CodeMsg{MessageCode::AcceptSente, ui.Label16})) return;
    pendingOffer_.reset();
    game_.StartNetworkGame(Side::Sente, peerHandle);
}

// The peer takes Gote, or Sente, as offered. An answer to an offer that was not made is
// ignored.
void NetSession::ReceiveAcceptGote(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferSente) return;
    pendingOffer_.reset();
    game_.StartNetworkGame(Side::Sente, peerHandle);
}

void NetSession::ReceiveAcceptSente(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferGote) return;
    pendingOffer_.reset();
    game_.StartNetworkGame(Side::Gote, peerHandle);
}

// The offering side may offer again at once; its board keeps the reset position, locked.
void NetSession::ReceiveRefuse() {
    if (!pendingOffer_) return;
    pendingOffer_.reset();
    ui.touryou = false;
    game_.SetBoardOpen(false);
    ui.kopyuuta = true;
    shell_.ShowMessage("対局を拒否されました");
}

}  // namespace torvane
