#include <utility>

#include "net/NetSession.h"

namespace torvane {

void NetSession::BytesArrived(std::span<const std::uint8_t> bytes) {
    for (Message& message : decoder_.feed(bytes)) inbox_.push_back(std::move(message));
    DeliverInbox();
}

void NetSession::TextQuietPeriodElapsed() {
    if (std::optional<CodeMsg> text = decoder_.flushText()) inbox_.push_back(std::move(*text));
    DeliverInbox();
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
    Receive(std::get<CodeMsg>(message));
}

void NetSession::Receive(const CodeMsg& message) {
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
            return ReceiveAcceptGote(message.text);
        case MessageCode::AcceptSente:
            return ReceiveAcceptSente(message.text);
        case MessageCode::Refuse:
            return ReceiveRefuse();
        case MessageCode::ChatLine:
            return ReceiveChat(message.text);
        case MessageCode::TimeLoss:
            return ReceiveTimeLoss();
        case MessageCode::Resign:
            return ReceiveResign();
    }
}

void NetSession::ReceiveHello(const std::string& handle) {
    ui.Label15 = handle;
    Send(CodeMsg{MessageCode::HelloReply, ui.Label16});
}

}  // namespace torvane
