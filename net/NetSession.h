#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "game/Game.h"
#include "net/Connection.h"
#include "net/ConnectionControls.h"
#include "protocol/MessageDecoder.h"

namespace torvane {

// The network side of the program: the connect and listen dialogs' commands, the socket's
// events, the greeting, the offer of a game and its answer, chat, and the receipt of the
// peer's moves, resignation and loss on time. It drives the game it is given and tells the
// peer of the local player's moves through the connection: it is the player across the board
// while the socket carries the game.
class NetSession : public PlayerAcross {
public:
    // The most received messages kept waiting behind an open box before the connection is
    // taken for broken: far more than a peer playing by the rules can send meanwhile.
    static constexpr std::size_t kMaxBacklog = 256;
    // The most text the chat log keeps: its oldest lines go first. A peer may send any number
    // of lines of up to a message's length, so the log is bounded by bytes, not lines.
    static constexpr std::size_t kMaxChatBytes = std::size_t{256} * 1024;

    NetSession(Game& game, Connection& connection);
    ~NetSession() override;
    NetSession(const NetSession&) = delete;
    NetSession& operator=(const NetSession&) = delete;

    // What the window shows of the connection.
    const ConnectionControls& View() const { return ui; }

    // OK of the connect dialog ("接続する"); true when a connection is being made.
    bool ConnectDialogOk(const std::string& handle, const std::string& address,
                         const std::string& port);
    // OK of the listen dialog ("接続を待つ"); true when listening, and the dialog closes.
    bool ListenDialogOk(const std::string& handle, const std::string& port);
    // "切断する(&D)".
    void setudann_Click();
    // The window's grace period for an overdue peer (`Controls::PeerOverdue`) has passed.
    void PeerNotAnswering();
    // The socket's events. A close or error that comes while a received message is being
    // handled (a box of its handler is open) takes effect once that handler is done.
    void Connected();
    void ConnectionRequested(int requestId);
    void ClosedByPeer();
    void SocketError(const std::string& description);
    // A received text has no end mark: it ends once the peer has sent nothing for this long.
    static constexpr std::chrono::milliseconds kTextQuietPeriod{60};

    // Bytes from the peer, in whatever pieces they come, with the moment they arrived when it
    // is known. A text message ends after a quiet period: bytes that arrive `kTextQuietPeriod`
    // or more after the previous ones end a pending text before they are read, however late
    // they are handed over; and while `TextPending()` the window calls
    // `TextQuietPeriodElapsed()` once nothing more has arrived for that long.
    void BytesArrived(std::span<const std::uint8_t> bytes,
                      std::optional<ArrivalClock::time_point> arrival = std::nullopt);
    bool TextPending() const { return decoder_.hasPendingText(); }
    void TextQuietPeriodElapsed();
    // How long from `now` until the quiet period after the bytes last handed over is over
    // (zero or less: it is).
    ArrivalClock::duration TextQuietLeft(ArrivalClock::time_point now) const;
    // The window's quiet timer for a pending text fired at `now`; `latestRead` is when the
    // socket last read bytes from the peer, handed over or not. The text ends only when
    // nothing came for the quiet period: bytes read within it are on their way here and
    // continue the text (their handing over starts the wait again), and a timer that woke
    // early must wait for the rest.
    enum class QuietCheck { TextEnded, BytesOnTheirWay, NotYet };
    QuietCheck QuietTimerFired(ArrivalClock::time_point now, ArrivalClock::time_point latestRead);

    // OK of the side dialog: offers a game in which the local player is Sente or Gote.
    void OfferGame(bool sente);
    // Enter in the chat input box, with the typed line; false when there is no connection to
    // send it on.
    bool SendChat(const std::string& typed);
    void ReceiveChat(const std::string& line);

    // What the game tells the peer: the local player's move, resignation and loss on time.
    void LocalMoved(const Move& move) override;
    void YourTurn() override {}
    void LocalResigned() override;
    void LocalOutOfTime() override;

private:
    bool Send(const CodeMsg& message);
    void Flooded();
    void EndText();
    bool MayArriveNow(MessageCode code) const;
    void ClearChatLog();
    void ConnectionSetupFailed(const ConnectionError& error, const std::string& port);
    void ResetConnectionState();
    void Disconnect();
    void DeliverInbox();
    bool DeferWhileReceiving(std::function<void()> endOfConnection);
    void Receive(const Message& message);
    void Receive(const CodeMsg& message);
    void ReceiveHello(const std::string& handle);
    void AnswerOffer(const CodeMsg& offer);
    void Accept(Side local, const std::string& peerHandle);
    void ReceiveAccept(Side peer, const std::string& peerHandle);
    void ReceiveRefuse();
    void ReceiveMove(const MoveMsg& move);
    void AppendToChatLog(const std::string& line);

    Game& game_;
    ConnectionControls ui;
    Shell& shell_;
    Connection& connection_;
    MessageDecoder decoder_;
    std::deque<Message> inbox_;                // received messages waiting for their handler
    bool receiving_ = false;                   // a handler is running (perhaps inside a modal box)
    std::function<void()> endOfConnection_;    // a close or error that came meanwhile
    std::optional<MessageCode> pendingOffer_;  // the offer sent and not yet answered
    ArrivalClock::time_point lastArrival_;
};

}  // namespace torvane
