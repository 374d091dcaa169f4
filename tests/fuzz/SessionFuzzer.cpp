// The receiving side of a network game, driven by the fuzz input as a script: the peer's
// bytes in any chunks at any times, quiet periods, socket events, and the local player's moves,
// chat, resignation, settings, new games and connection commands, from every state a session can be
// in. Boxes are answered from the script, and while one is open the socket and the clocks may fire,
// as the window's event loop lets them. After every step SessionChecks must hold.
#include <vector>

#include "FuzzInput.h"
#include "SessionChecks.h"
#include "game/Game.h"
#include "net/NetSession.h"
#include "protocol/MessageEncoder.h"
#include "rules/MovementRules.h"

using namespace torvane;

namespace {

// The socket as the window has it: events come only in the states that produce them.
struct FuzzConnection : Connection {
    enum class State { Idle, Connecting, Listening, Open } state = State::Idle;
    bool requestPending = false;
    bool sendSucceeds = true;
    bool listenFails = false;

    void Close() override { state = State::Idle; }
    void Connect(const std::string&, int) override { state = State::Connecting; }
    std::optional<ConnectionError> Listen(int) override {
        if (listenFails) return ConnectionError{kAddressInUse, {}};
        state = State::Listening;
        return std::nullopt;
    }
    void Accept(int) override {
        requestPending = false;
        state = State::Open;
    }
    bool Send(std::span<const std::uint8_t> bytes) override {
        if (state != State::Open || !sendSucceeds) return false;
        SessionChecks::CheckSent(WireBytes(bytes.begin(), bytes.end()));
        return true;
    }
};

class SessionScript : public Shell {
public:
    explicit SessionScript(std::span<const std::uint8_t> data) : in_(data) {}

    void Run();

    void ShowMessage(const std::string&) override { WhileBoxOpen(); }
    bool AskYesNo(const std::string&) override {
        WhileBoxOpen();
        return scripted_ ? in_.Bit() : true;
    }
    void PlaySound(int) override {}
    void BeginDrag(DragArea, int) override {}
    void EndDrag() override {}
    void RepaintNow() override {}

private:
    void Start(std::uint8_t state);
    void Step(std::uint8_t op);
    void WhileBoxOpen();
    void SocketEvent(std::uint8_t op);
    void Ticks(int count);
    void LocalMove(std::uint8_t index);
    void HandDrop();
    void PeerMove(std::uint8_t index);
    void PeerMessage(MessageCode code, const std::string& text);
    void Deliver(const WireBytes& bytes);
    bool Open() const { return connection_.state == FuzzConnection::State::Open; }

    FuzzInput in_;
    bool scripted_ = false;  // the setup answers every question with Yes and nothing fires
    int boxDepth_ = 0;
    FuzzConnection connection_;
    Game game_{*this, "192.0.2.1"};
    NetSession session_{game_, connection_};
    ArrivalClock::time_point now_{};  // when the latest bytes arrived, as the script says
    std::vector<MoveMsg> steps_;  // kept between calls, so that listing the steps allocates once
};

// Peer messages and socket events that may come while a box is open; the clocks tick on.
void SessionScript::WhileBoxOpen() {
    if (!scripted_ || boxDepth_ >= 3) return;
    ++boxDepth_;
    for (std::uint8_t op = in_.Byte(); op % 4 != 0; op = in_.Byte()) SocketEvent(op / 4);
    --boxDepth_;
}

void SessionScript::SocketEvent(std::uint8_t op) {
    switch (op % 8) {
        case 0:
            if (!Open()) return;
            now_ += std::chrono::milliseconds(in_.Byte() % 128);
            session_.BytesArrived(in_.Take(in_.Byte() % 32), now_);
            return;
        case 1:
            if (!session_.TextPending()) return;
            // The quiet timer fires, perhaps early, perhaps with bytes read but not handed over.
            session_.QuietTimerFired(now_ + std::chrono::milliseconds(in_.Byte() % 128),
                                     now_ + std::chrono::milliseconds(in_.Byte() % 128));
            return;
        case 2:
            if (Open()) session_.ClosedByPeer();
            return;
        case 3:
            if (connection_.state != FuzzConnection::State::Idle) session_.SocketError("error");
            return;
        case 4:
            return Ticks(in_.Byte());
        case 5:
            return PeerMove(in_.Byte());
        case 6:
            if (Open()) PeerMessage(kAllMessageCodes[in_.Byte() % 10], in_.Text(8));
            return;
        default:
            if (connection_.state == FuzzConnection::State::Connecting) {
                connection_.state = FuzzConnection::State::Open;
                session_.Connected();
            } else if (connection_.state == FuzzConnection::State::Listening) {
                session_.ConnectionRequested(1);
            }
    }
}

// The window runs a clock's timer while the model says it runs.
void SessionScript::Ticks(int count) {
    for (int i = 0; i < count; ++i) {
        if (game_.View().Timer1) game_.Timer1_Timer();
        if (game_.View().Timer2) game_.Timer2_Timer();
    }
}

// The message arrives in reads of one to eight bytes, as the next script byte says.
void SessionScript::Deliver(const WireBytes& bytes) {
    std::span<const std::uint8_t> rest(bytes);
    const std::size_t read = 1 + in_.Byte() % 8;
    while (!rest.empty() && Open()) {
        std::size_t n = std::min(read, rest.size());
        session_.BytesArrived(rest.first(n));
        rest = rest.subspan(n);
    }
    if (session_.TextPending()) session_.TextQuietPeriodElapsed();
}

void SessionScript::PeerMessage(MessageCode code, const std::string& text) {
    Deliver(Encode(CodeMsg{code, text}));
}

// One of the peer's possible steps, sent in the peer's view, so that games get far. Only the
// peer's own pieces are looked at, and only their neighbours, as the game checks a peer step.
void SessionScript::PeerMove(std::uint8_t index) {
    if (!Open()) return;
    const std::string& peer = game_.LocalSide() == Side::Gote ? game_.SenteTag : game_.GoteTag;
    steps_.clear();
    for (int from = 0; from < kCellCount; ++from) {
        if (game_.Squares()[from].Tag != peer) continue;
        for (StepDirection d : kAllDirections) {
            const std::optional<int> to = NeighbourCell(from, d);
            if (to && game_.IsPeerStep(from, *to))
                steps_.push_back(MoveMsg{static_cast<std::int16_t>(kCellCount - 1 - from),
                                         static_cast<std::int16_t>(kCellCount - 1 - *to)});
        }
    }
    if (steps_.empty()) return;
    Deliver(Encode(steps_[index % steps_.size()]));
}

// A drag of a piece of the side to move: onto a cell it may reach, or, when the index has its
// top bit set, onto any neighbouring cell or onto no cell at all.
void SessionScript::LocalMove(std::uint8_t index) {
    if (!game_.View().Picture1) return;
    std::vector<std::pair<int, int>> drags;
    const std::string& mover = game_.ToMove() == Side::Sente ? game_.SenteTag : game_.GoteTag;
    bool any = (index & 0x80) != 0;
    for (int from = 0; from < kCellCount; ++from) {
        if (game_.Squares()[from].Tag != mover) continue;
        if (!any) {
            for (int to : ReachableCells(game_.Squares(), from)) drags.emplace_back(from, to);
            continue;
        }
        for (StepDirection d : kAllDirections)
            if (std::optional<int> to = NeighbourCell(from, d)) drags.emplace_back(from, *to);
        drags.emplace_back(from, -1);
    }
    if (drags.empty()) return;
    auto [from, to] = drags[(index & 0x7F) % drags.size()];
    game_.BoardPickUp(from, MouseButton::Left);
    game_.Image1_DragDrop(to);
}

void SessionScript::HandDrop() {
    bool bottom = in_.Bit();
    int slot = in_.Byte() % kHandSlots;
    int cell = in_.Byte() % kCellCount;
    if (!(bottom ? game_.View().Picture3 : game_.View().Picture2)) return;
    game_.HandPickUp(bottom ? Hand::Image4 : Hand::Image5, slot, MouseButton::Left);
    game_.Image1_DragDrop(cell);
}

// The local player's commands, each only while its menu item or control is enabled.
void SessionScript::Step(std::uint8_t op) {
    const Controls& ui = game_.View();
    switch (op % 16) {
        case 0:
            return LocalMove(in_.Byte());
        case 1:
            return HandDrop();
        case 2:
            if (session_.View().Text100Enabled) session_.SendChat(in_.Text(8));
            return;
        case 3:
            if (ui.touryou) game_.touryou_Click();
            return;
        case 4: {
            std::uint8_t b = in_.Byte();
            return game_.ApplySettings(
                {(b & 1) != 0, (b & 2) != 0, (b & 4) != 0, (b & 8) != 0, (b & 16) != 0});
        }
        case 5:
            if (ui.sutato) game_.sutato_Click();
            return;
        case 6:
            if (ui.suruu) session_.ConnectDialogOk(in_.Text(4), "192.0.2.2", in_.Text(6));
            return;
        case 7:
            connection_.listenFails = in_.Byte() % 8 == 0;
            if (ui.matu) session_.ListenDialogOk(in_.Text(4), in_.Text(6));
            return;
        case 8:
            if (session_.View().setudann) session_.setudann_Click();
            return;
        case 9:
            if (ui.kopyuuta) session_.OfferGame(in_.Bit());
            return;
        case 10:
            connection_.sendSucceeds = in_.Byte() % 8 != 0;
            return;
        case 11:
            return PeerMove(in_.Byte());
        default:
            return SocketEvent(op / 16);
    }
}

// The states a session starts from: 0 no connection, 1 listened and accepted, 2 connected,
// 3 an offer of the local player's pending, 4 and 5 a game running with the local player as
// Sente or Gote, 6 a game the peer resigned.
void SessionScript::Start(std::uint8_t state) {
    state %= 7;
    if (state == 0) return;
    if (state == 2) {
        session_.ConnectDialogOk("Q", "192.0.2.2", "5000");
        connection_.state = FuzzConnection::State::Open;
        session_.Connected();
        return PeerMessage(MessageCode::HelloReply, "P");
    }
    session_.ListenDialogOk("P", "5000");
    session_.ConnectionRequested(1);
    PeerMessage(MessageCode::Hello, "Q");
    if (state == 1) return;
    bool sente = state != 5;
    session_.OfferGame(sente);
    if (state == 3) return;
    PeerMessage(sente ? MessageCode::AcceptGote : MessageCode::AcceptSente, "Q");
    if (state == 6) PeerMessage(MessageCode::Resign, {});
}

void SessionScript::Run() {
    Start(in_.Byte());
    scripted_ = true;
    SessionChecks checks(game_);
    checks.AfterStep(game_, session_);
    while (!in_.empty()) {
        Step(in_.Byte());
        checks.AfterStep(game_, session_);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SessionScript(std::span<const std::uint8_t>(data, size)).Run();
    return 0;
}
