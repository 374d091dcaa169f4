#include "net/NetSession.h"

#include "protocol/MessageEncoder.h"

namespace torvane {

NetSession::NetSession(Game& game, Connection& connection)
    : game_(game), shell_(game.shell()), connection_(connection) {}

NetSession::~NetSession() {
    game_.Unseat(*this);
}

bool NetSession::Send(const CodeMsg& message) {
    return connection_.Send(Encode(message));
}

// The wire carries steps only: a network game is played without drops.
void NetSession::LocalMoved(const Move& move) {
    connection_.Send(
        Encode(MoveMsg{static_cast<std::int16_t>(move.from), static_cast<std::int16_t>(move.to)}));
}

void NetSession::LocalResigned() {
    Send(CodeMsg{MessageCode::Resign, {}});
}

void NetSession::LocalOutOfTime() {
    Send(CodeMsg{MessageCode::TimeLoss, {}});
}

}  // namespace torvane
