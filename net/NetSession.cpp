#include "net/NetSession.h"

#include "protocol/MessageEncoder.h"

namespace torvane {

NetSession::NetSession(Game& game, Connection& connection)
    : game_(game), shell_(game.shell()), connection_(connection) {
    game_.AttachPeer(*this);
}

NetSession::~NetSession() {
    game_.DetachPeer();
}

bool NetSession::Send(const CodeMsg& message) {
    return connection_.Send(Encode(message));
}

void NetSession::SendMove(int fromCell, int toCell) {
    connection_.Send(
        Encode(MoveMsg{static_cast<std::int16_t>(fromCell), static_cast<std::int16_t>(toCell)}));
}

void NetSession::SendResign() {
    Send(CodeMsg{MessageCode::Resign, {}});
}

void NetSession::SendTimeLoss() {
    Send(CodeMsg{MessageCode::TimeLoss, {}});
}

}  // namespace torvane
