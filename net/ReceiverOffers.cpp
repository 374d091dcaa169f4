#include "game/Game.h"
#include "net/MessageEncoder.h"

namespace torvane {

// The player answers the peer's offer. An answer that comes after the connection ended, or
// that cannot be sent, starts nothing.
void Game::AnswerOffer(const CodeMsg& offer) {
    bool peerSente = offer.code == MessageCode::OfferSente;
    bool yes =
        shell_.AskYesNo(peerSente ? "貴方が後手でよろしいですか?" : "貴方が先手でよろしいですか?");
    if (endOfConnection_) return;
    if (!yes) {
        ui.Text7 = offer.text;
        shell_.Send(Encode(CodeMsg{MessageCode::Refuse, {}}));
        return;
    }
    peerSente ? AcceptAsGote(offer.text) : AcceptAsSente(offer.text);
}

// The peer moves first; the board stays locked.
void Game::AcceptAsGote(const std::string& peerHandle) {
    if (!shell_.Send(Encode(CodeMsg{MessageCode::AcceptGote, ui.Label16}))) return;
    RunTimer2();
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.Label15 = peerHandle;
    LocalIsGote = 1;
    ui.Label2 = "後手";
    ui.Label4 = "先手";
    NetworkSetup();
    ui.Label4Back = kGreen;
    MirrorTags();
    pendingOffer_.reset();
    NetworkGameRunning = 1;
}

void Game::AcceptAsSente(const std::string& peerHandle) {
    if (!shell_.Send(Encode(CodeMsg{MessageCode::AcceptSente, ui.Label16}))) return;
    RunTimer1();
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    ui.Label15 = peerHandle;
    ui.Label2 = "先手";
    ui.Label4 = "後手";
    LocalIsGote = 0;
    NetworkSetup();
    ui.Label2Back = kGreen;
    ui.Picture1 = true;
    pendingOffer_.reset();
    NetworkGameRunning = 1;
}

// The peer takes Gote: the local player moves first. An answer to an offer that was not made
// is ignored.
void Game::ReceiveAcceptGote(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferSente) return;
    pendingOffer_.reset();
    ui.Timer1 = true;
    LocalIsGote = 0;
    ui.Label2 = "先手";
    ui.Label4 = "後手";
    ui.Label2Back = kGreen;
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    ui.Picture1 = true;
    ui.Label15 = peerHandle;
    NetworkGameRunning = 1;
}

// The peer takes Sente and moves first.
void Game::ReceiveAcceptSente(const std::string& peerHandle) {
    if (pendingOffer_ != MessageCode::OfferGote) return;
    pendingOffer_.reset();
    ui.Timer2 = true;
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.Label2 = "後手";
    ui.Label4 = "先手";
    ui.Label4Back = kGreen;
    LocalIsGote = 1;
    MirrorTags();
    ui.Label15 = peerHandle;
    NetworkGameRunning = 1;
}

// The offering side may offer again at once; its board keeps the reset position, locked.
void Game::ReceiveRefuse() {
    if (!pendingOffer_) return;
    pendingOffer_.reset();
    ui.touryou = false;
    ui.Picture1 = false;
    ui.kopyuuta = true;
    shell_.ShowMessage("対局を拒否されました");
}

}  // namespace torvane
