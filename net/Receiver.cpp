#include <utility>

#include "net/NetSession.h"
#include "net/PeerText.h"

namespace torvane {

void NetSession::BytesArrived(std::span<const std::uint8_t> bytes,
                              std::optional<ArrivalClock::time_point> arrival) {
    if (endOfConnection_) return;  // the connection is over, only a handler still runs
    if (arrival) {
        if (*arrival - lastArrival_ >= kTextQuietPeriod) EndText();
        lastArrival_ = *arrival;
    }
    for (Message& message : decoder_.feed(bytes)) inbox_.push_back(std::move(message));
    if (inbox_.size() > kMaxBacklog) return Flooded();
    DeliverInbox();
}

// More messages wait behind an open box than a peer playing by the rules can send: the peer
// is broken or hostile, and the connection is ended as if it had been lost.
void NetSession::Flooded() {
    inbox_.clear();
    decoder_ = MessageDecoder();
    if (DeferWhileReceiving([this] { Flooded(); })) return;
    ClosedByPeer();
    ui.Label7 = "相手からの受信が多すぎるため切断しました";
}

void NetSession::TextQuietPeriodElapsed() {
    EndText();
    DeliverInbox();
}

ArrivalClock::duration NetSession::TextQuietLeft(ArrivalClock::time_point now) const {
    return lastArrival_ + kTextQuietPeriod - now;
}

NetSession::QuietCheck NetSession::QuietTimerFired(ArrivalClock::time_point now,
                                                   ArrivalClock::time_point latestRead) {
    const ArrivalClock::duration unread = latestRead - lastArrival_;
    if (unread > ArrivalClock::duration::zero() && unread < kTextQuietPeriod)
        return QuietCheck::BytesOnTheirWay;
    if (TextQuietLeft(now) > ArrivalClock::duration::zero()) return QuietCheck::NotYet;
    TextQuietPeriodElapsed();
    return QuietCheck::TextEnded;
}

void NetSession::EndText() {
    if (std::optional<CodeMsg> text = decoder_.flushText()) inbox_.push_back(std::move(*text));
}

// One message at a time, in the order they came. A handler that waits for the player (a
// question, a message box) lets the window run; what arrives meanwhile waits in the inbox, and
// the end of the connection waits for the handler to finish, so no handler ever starts or
// ends the connection in the middle of another.
void NetSession::DeliverInbox() {
    if (receiving_) return;
    receiving_ = true;
    while (!inbox_.empty() && !endOfConnection_) {
        Message message = std::move(inbox_.front());
        inbox_.pop_front();
        Receive(message);
    }
    receiving_ = false;
    if (endOfConnection_) std::exchange(endOfConnection_, nullptr)();
}

bool NetSession::DeferWhileReceiving(std::function<void()> endOfConnection) {
    if (!receiving_) return false;
    if (!endOfConnection_) endOfConnection_ = std::move(endOfConnection);
    return true;
}

void NetSession::Receive(const Message& message) {
    if (const auto* move = std::get_if<MoveMsg>(&message)) return ReceiveMove(*move);
    const CodeMsg& code = std::get<CodeMsg>(message);
    bool chat = code.code == MessageCode::ChatLine;
    Receive(CodeMsg{code.code, PeerText(code.text, chat ? std::string::npos : kMaxHandleChars)});
}

// A greeting or an offer belongs before a game: a correct peer sends none while one runs, so
// one that arrives then is ignored, as a move outside the peer's turn is.
bool NetSession::MayArriveNow(MessageCode code) const {
    switch (code) {
        case MessageCode::Hello:
        case MessageCode::HelloReply:
        case MessageCode::OfferSente:
        case MessageCode::OfferGote:
            return !game_.NetworkGameRuns();
        default:
            return true;
    }
}

void NetSession::Receive(const CodeMsg& message) {
    if (!MayArriveNow(message.code)) return;
    switch (message.code) {
        case MessageCode::Hello:
            return ReceiveHello(message.text);
        case MessageCode::HelloReply:
            ui.Label15 = message.text;
            return;
        case MessageCode::OfferSente:
        case MessageCode::OfferGote:
            return AnswerOffer(message);
        case MessageCode::AcceptGote:
            return ReceiveAccept(Side::Gote, message.text);
        case MessageCode::AcceptSente:
            return ReceiveAccept(Side::Sente, message.text);
        case MessageCode::Refuse:
            return ReceiveRefuse();
        case MessageCode::ChatLine:
            return ReceiveChat(message.text);
        case MessageCode::TimeLoss:
            return game_.PeerOutOfTime();
        case MessageCode::Resign:
            return game_.PeerResigned();
    }
}

void NetSession::ReceiveHello(const std::string& handle) {
    ui.Label15 = handle;
    Send(CodeMsg{MessageCode::HelloReply, ui.Label16});
}

}  // namespace torvane
