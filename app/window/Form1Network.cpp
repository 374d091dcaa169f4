#include <QToolTip>
#include <algorithm>
#include <chrono>

#include "app/dialogs/DialogScale.h"
#include "app/dialogs/Form4.h"
#include "app/dialogs/Form5.h"
#include "app/dialogs/Form7.h"
#include "app/window/Form1.h"

namespace torvane {

namespace {

// How long past the time limit the peer's loss on time may take to arrive.
constexpr int kPeerGraceMs = 15000;

constexpr const char* kNotConnected = "接続されていないため送信できません";

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
    socket_->onDataArrival = [this](std::span<const std::uint8_t> bytes,
                                    ArrivalClock::time_point arrival) {
        OnBytesArrived(bytes, arrival);
    };
    socket_->onClose = [this] {
        session_->ClosedByPeer();
        Render();
    };
    socket_->onError = [this](int, const std::string& description) {
        session_->SocketError(description);
        Render();
    };
    textQuiet_.setSingleShot(true);
    textQuiet_.setTimerType(Qt::PreciseTimer);
    connect(&textQuiet_, &QTimer::timeout, this, &Form1::OnTextQuiet);
    peerGrace_.setSingleShot(true);
    peerGrace_.setInterval(kPeerGraceMs);
    connect(&peerGrace_, &QTimer::timeout, this, &Form1::OnPeerGraceOver);
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::OnChatEnter);
}

void Form1::OnBytesArrived(std::span<const std::uint8_t> bytes, ArrivalClock::time_point arrival) {
    session_->BytesArrived(bytes, arrival);
    WaitForTextEnd();
    Render();
}

// The quiet period that ends a pending text counts from when its last bytes arrived.
void Form1::WaitForTextEnd() {
    if (!session_->TextPending()) return textQuiet_.stop();
    const auto left = session_->TextQuietLeft(ArrivalClock::now());
    textQuiet_.start(
        std::max(std::chrono::ceil<std::chrono::milliseconds>(left), std::chrono::milliseconds(0)));
}

void Form1::OnTextQuiet() {
    switch (session_->QuietTimerFired(ArrivalClock::now(), socket_->LatestArrival())) {
        case NetSession::QuietCheck::TextEnded:
            return Render();
        case NetSession::QuietCheck::NotYet:
            return WaitForTextEnd();
        case NetSession::QuietCheck::BytesOnTheirWay:
            return;  // handing them over waits again
    }
}

void Form1::OnPeerGraceOver() {
    session_->PeerNotAnswering();
    Render();
}

// A line that could not be sent stays in the input box, to be sent once connected, and a
// note beside the box says why.
void Form1::OnChatEnter() {
    if (session_->SendChat(Text1->text().toStdString()))
        Text1->clear();
    else
        QToolTip::showText(Text1->mapToGlobal(QPoint(0, Text1->height())), kNotConnected, Text1);
    Render();
}

void Form1::suruu_Click() {
    if (RefuseWhileEditing()) return;
    Form4 dialog(this, [this](const std::string& handle, const std::string& address,
                              const std::string& port) {
        bool connecting = session_->ConnectDialogOk(handle, address, port);
        if (connecting)
            preferences_.KeepConnection(QString::fromStdString(handle),
                                        QString::fromStdString(address),
                                        QString::fromStdString(port));
        Render();
        return connecting;
    });
    dialog.Prefill(preferences_.Handle(), preferences_.Address(), preferences_.Port());
    ScaleDialog(dialog, scale_);
    dialog.exec();
}

void Form1::matu_Click() {
    if (RefuseWhileEditing()) return;
    Form5 dialog(this, [this](const std::string& handle, const std::string& port) {
        bool listening = session_->ListenDialogOk(handle, port);
        if (listening)
            preferences_.KeepListening(QString::fromStdString(handle),
                                       QString::fromStdString(port));
        Render();
        return listening;
    });
    dialog.Prefill(preferences_.Handle(), preferences_.Port());
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
    offerDialog_ = &dialog;
    dialog.exec();
    Render();
}

}  // namespace torvane
