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

// The peer moves first, so the board is locked whatever the game before left it as: an open
// board would let the local player move, even the peer's pieces, on the peer's turn.
void NetSession::AcceptAsGote(const std::string& peerHandle) {
    if (!Send(CodeMsg{MessageCode::AcceptGote, ui.Label16})) return;
    game_.SetBoardOpen(false);
    game_.RunTimer2();
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.Label15 = peerHandle;
    game_.LocalIsGote = 1;
    ui.Label2 = "後手";
    ui.Label4 = "先手";
    game_.NetworkSetup();
    ui.Label4Back = kGreen;
    game_.MirrorTags();
    ui.kopyuuta = false;
    pendingOffer_.reset();
    game_.NetworkGameRunning = 1;
}

void NetSession::AcceptAsSente(const std::string& peerHandle) {
    if (!Send(CodeMsg{MessageCode::AcceptSente, ui.Label16})) return;
    game_.RunTimer1();
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    ui.Label15 = peerHandle;
    ui.Label2 = "先手";
    ui.Label4 = "後手";
    game_.LocalIsGote = 0;
    game_.NetworkSetup();
    ui.Label2Back = kGreen;
    game_.SetBoardOpen(true);
    ui.kopyuuta = false;
    pendingOffer_.reset();
    game_.NetworkGameRunning = 1;
}

// The peer takes Gote: the local player moves first. An answer to an offer that was not made
// is ignored.
void NetSession::ReceiveAcceptGote(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferSente) return;
    pendingOffer_.reset();
    ui.Timer1 = true;
    game_.LocalIsGote = 0;
    ui.Label2 = "先手";
    ui.Label4 = "後手";
    ui.Label2Back = kGreen;
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    game_.SetBoardOpen(true);
    ui.Label15 = peerHandle;
    game_.NetworkGameRunning = 1;
}

// The peer takes Sente and moves first; the board is locked, as when accepting as Gote.
void NetSession::ReceiveAcceptSente(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferGote) return;
    pendingOffer_.reset();
    game_.SetBoardOpen(false);
    ui.Timer2 = true;
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.Label2 = "後手";
    ui.Label4 = "先手";
    ui.Label4Back = kGreen;
    game_.LocalIsGote = 1;
    game_.MirrorTags();
    ui.Label15 = peerHandle;
    game_.NetworkGameRunning = 1;
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
