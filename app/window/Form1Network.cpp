#include "app/dialogs/DialogScale.h"
#include "app/dialogs/Form4.h"
#include "app/dialogs/Form5.h"
#include "app/dialogs/Form7.h"
#include "app/window/Form1.h"

namespace torvane {

namespace {

// A received text has no end mark: it ends once the peer has sent nothing for this long.
constexpr int kTextQuietMs = 60;
// How long past the time limit the peer's loss on time may take to arrive.
constexpr int kPeerGraceMs = 15000;

}  // namespace

void Form1::WireNetwork() {
    socket_->onConnected = [this] {
        session_->Connected();
        Render();
    };
    socket_->onConnectionRequest = [this](int requestId) {
        session_->ConnectionRequested(requestId);
        Render();
    };
    socket_->onDataArrival = [this](std::span<const std::uint8_t> b) { OnBytesArrived(b); };
    socket_->onClose = [this] {
        session_->ClosedByPeer();
        Render();
    };
    socket_->onError = [this](int, const std::string& description) {
        session_->SocketError(description);
        Render();
    };
    textQuiet_.setSingleShot(true);
    textQuiet_.setInterval(kTextQuietMs);
    connect(&textQuiet_, &QTimer::timeout, this, &Form1::OnTextQuiet);
    peerGrace_.setSingleShot(true);
    peerGrace_.setInterval(kPeerGraceMs);
    connect(&peerGrace_, &QTimer::timeout, this, &Form1::OnPeerGraceOver);
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::OnChatEnter);
}

void Form1::OnBytesArrived(std::span<const std::uint8_t> bytes) {
    session_->BytesArrived(bytes);
    if (session_->TextPending())
        textQuiet_.start();
    else
        textQuiet_.stop();
    Render();
}

void Form1::OnTextQuiet() {
    session_->TextQuietPeriodElapsed();
    Render();
}

void Form1::OnPeerGraceOver() {
    session_->PeerNotAnswering();
    Render();
}

// The input box is cleared whether or not the line could be sent.
void Form1::OnChatEnter() {
    session_->SendChat(Text1->text().toStdString());
    Text1->clear();
    Render();
}

void Form1::suruu_Click() {
    Form4 dialog(this, [this](const std::string& handle, const std::string& address,
                              const std::string& port) {
        bool connecting = session_->ConnectDialogOk(handle, address, port);
        Render();
        return connecting;
    });
    ScaleDialog(dialog, scale_);
    dialog.exec();
}

void Form1::matu_Click() {
    Form5 dialog(this, [this](const std::string& handle, const std::string& port) {
        bool listening = session_->ListenDialogOk(handle, port);
        Render();
        return listening;
    });
    ScaleDialog(dialog, scale_);
    dialog.exec();
}

void Form1::setudann_Click() {
    session_->setudann_Click();
    Render();
}

void Form1::kopyuuta_Click() {
    Form7 dialog(this, [this](bool sente) { session_->OfferGame(sente); });
    ScaleDialog(dialog, scale_);
    dialog.exec();
    Render();
}

}  // namespace torvane
