#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "game/Cell.h"
#include "game/Controls.h"
#include "game/Settings.h"
#include "game/Shell.h"
#include "net/Connection.h"
#include "net/MessageDecoder.h"
#include "rules/StepDirection.h"

namespace torvane {

enum class MouseButton { Left, Right, Middle };
enum class Hand { Image4, Image5 };  // bottom hand, top hand

// The state of the game and of the controls it drives, and every routine that changes them.
// The window turns presses, drops, menu commands, timer ticks and socket bytes into calls of
// these routines and shows the state afterwards. Routines live in files named after them.
class Game {
public:
    explicit Game(Shell& shell);

    // --- Board and hands -------------------------------------------------------------------
    BoardCells Image1;  // the board, cell = 9 * row + column, row 0 at the top
    HandCells Image4;   // bottom hand
    HandCells Image5;   // top hand
    Controls ui;

    // --- Owner tags, set at start-up ---------------------------------------------------------
    std::string EmptyTag, SenteTag, GoteTag;

    // --- The move being made -----------------------------------------------------------------
    int PickedCell = 0, FromCell = 0, StepOrigin = 0, ToCell = 0;
    int BoardPickPending = 0, HandDrag = 0, HandSlot = 0, FromImage4 = 0, NoCapture = 0;
    int GoteElephantSeen = 0, SenteElephantSeen = 0, GoteRatSeen = 0, SenteRatSeen = 0;

    // --- Game-wide values --------------------------------------------------------------------
    int Turn = 0;  // 0: Sente to move, 1: Gote to move
    int NetworkGame = 0, LocalIsGote = 0, LocalNetMove = 0;
    int TemplateCursor = 161;
    int MoveSoundId = 0, MessageSoundId = 0;
    int Timer1Seconds = 0, Timer1Display = 0, Timer2Seconds = 0, Timer2Display = 0;
    int ClockMinutes = 0;

    // --- Settings: 1 means the option is off -------------------------------------------------
    int SoundOff = 0, RangeDisplayOff = 0, CheckNoticeOff = 0, CapturedPiecesOff = 0;
    int TimeLimitOff = 0, TimeLimitWasOff = 0;

    // --- Range display: what each direction's ghost covered ---------------------------------
    std::array<int, 8> Image3{};
    std::array<int, 8> UnmarkedEnemy{};
    int GhostImageId = 0;

    // --- Next free slot of each hand ---------------------------------------------------------
    int NextFreeSlot4 = 0, NextFreeSlot5 = 0;

    // Start-up values of the main window (everything the window itself does not draw).
    void Form_Load(const std::string& localAddress);
    // "スタート(&S)": a new game at one computer.
    void sutato_Click();

    // Pick-up and range display.
    void BoardPickUp(int cell, MouseButton button);
    void ShowMoveRange();
    void MarkNeighbour(StepDirection direction);
    void CancelDrag();
    void RestoreNeighbour(StepDirection direction);
    bool RangeOnDisplay() const { return rangeOnDisplay_; }

    // Pick-up from a hand; its drop on a board cell is handled by `Image1_DragDrop`.
    void HandPickUp(Hand hand, int slot, MouseButton button);

    // Drops: on board cell `cell`, or on any other control of the main window.
    void Image1_DragDrop(int cell);
    void DropElsewhere();

    // Move execution.
    void ApplyMove();
    void HandOverToPeer();
    void AnnounceElephantCheck(const Cell& mover);
    void EndOfGameScan();

    // Capture into the hand.
    void FindFreeHandSlot(Hand hand);
    void CaptureToHand();

    // Clocks: the tick handlers of `Timer1` (bottom clock) and `Timer2` (top clock).
    void Timer1_Timer();
    void Timer2_Timer();

    // The settings dialog: the boxes it shows, and what OK does with them.
    SettingsChoice SettingsOnLoad() const;
    void ApplySettings(SettingsChoice choice);

    // "投了(&F)": asks, and on Yes the local player (at one computer the side to move) loses.
    void touryou_Click();

    // --- Network play ------------------------------------------------------------------------
    // 1 from the moment an offer is accepted until that network game ends; the peer's moves,
    // resignation and loss on time count only meanwhile.
    int NetworkGameRunning = 0;

    // The socket the connection routines drive; the window attaches it before any of them.
    void UseConnection(Connection& connection) { connection_ = &connection; }
    // OK of the connect dialog ("接続する"); true when a connection is being made.
    bool ConnectDialogOk(const std::string& handle, const std::string& address,
                         const std::string& port);
    // OK of the listen dialog ("接続を待つ"); true when listening, and the dialog closes.
    bool ListenDialogOk(const std::string& handle, const std::string& port);
    // "切断する(&D)".
    void setudann_Click();
    // The socket's events. A close or error that comes while a received message is being
    // handled (a box of its handler is open) takes effect once that handler is done.
    void Connected();
    void ConnectionRequested(int requestId);
    void ClosedByPeer();
    void SocketError(const std::string& description);
    // Bytes from the peer, in whatever pieces they come. A text message ends only after a
    // quiet period: while `TextPending()`, the window calls `TextQuietPeriodElapsed()` once no
    // bytes have come for about 60 ms.
    void BytesArrived(std::span<const std::uint8_t> bytes);
    bool TextPending() const { return decoder_.hasPendingText(); }
    void TextQuietPeriodElapsed();

    // OK of the side dialog: offers a game in which the local player is Sente or Gote.
    void OfferGame(bool sente);
    // Enter in the chat input box, with the typed line.
    void SendChat(const std::string& typed);
    void ReceiveChat(const std::string& line);
    // The start position of a network game, and its owner tags turned for the Gote player.
    void NetworkSetup();
    void MirrorTags();

    Shell& shell() { return shell_; }

private:
    // Turn display: the marker that turns green, with the other side's clock label zeroed.
    void PassTurnToLabel2();
    void PassTurnToLabel4();
    void RunTimer1();
    void RunTimer2();
    void ZeroClock1Counters();
    void ZeroClock2Counters();

    void ClockTick(bool bottom);
    void RunOutOfTime(bool bottom);
    void SendTimeLoss();
    void StopClockAfterResignation(bool bottom);

    void PassTurnAfterGote();
    void MoveToEmptyCell();
    void CaptureBySente();
    void CaptureByGote();
    void MoveSound();
    void CheckStep(const Cell& mover);
    void SetScanFlags();
    void EndOfGame(bool senteLost);
    void TransferPiece(Cell& origin);

    void EnterNetworkMode();
    void ConnectionSetupFailed(const ConnectionError& error, const std::string& port);
    void ResetConnectionState();
    void DeliverInbox();
    bool DeferWhileReceiving(std::function<void()> endOfConnection);
    void Receive(const Message& message);
    void Receive(const CodeMsg& message);
    void ReceiveHello(const std::string& handle);
    void AnswerOffer(const CodeMsg& offer);
    void AcceptAsGote(const std::string& peerHandle);
    void AcceptAsSente(const std::string& peerHandle);
    void ReceiveAcceptGote(const std::string& peerHandle);
    void ReceiveAcceptSente(const std::string& peerHandle);
    void ReceiveRefuse();
    void ReceiveTimeLoss();
    void ReceiveResign();
    void ReceiveMove(const MoveMsg& move);
    bool PeerMayMove() const;
    bool IsPeerStep(int from, int to) const;
    void PassTurnToLocal();
    void PeerMoveScan();
    void AppendToChatLog(const std::string& line);

    Shell& shell_;
    bool rangeOnDisplay_ = false;

    Connection* connection_ = nullptr;
    MessageDecoder decoder_;
    std::deque<Message> inbox_;                // received messages waiting for their handler
    bool receiving_ = false;                   // a handler is running (perhaps inside a modal box)
    std::function<void()> endOfConnection_;    // a close or error that came meanwhile
    std::optional<MessageCode> pendingOffer_;  // the offer sent and not yet answered
};

}  // namespace torvane
