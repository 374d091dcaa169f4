#pragma once

#include <array>
#include <string>

#include "game/Board.h"
#include "game/ClockCounters.h"
#include "game/Controls.h"
#include "game/EnginePosition.h"
#include "game/Move.h"
#include "game/MoveHistory.h"
#include "game/MoveInProgress.h"
#include "game/PlayState.h"
#include "game/PlayerAcross.h"
#include "game/Settings.h"
#include "game/Shell.h"
#include "images/SetupTemplate.h"
#include "record/RecordFile.h"
#include "record/RecordPosition.h"
#include "rules/Cell.h"
#include "rules/Side.h"
#include "rules/StepDirection.h"

namespace torvane {

enum class MouseButton { Left, Right, Middle };

// The game: the board and hands (a `Board`, whose cells and hands it shows by their names),
// whose turn it is, the move being made, the clocks and the settings, and every routine that
// changes them. It decides from its own state and sets the window's model `ui` from it; it
// never reads the model back, and nobody else writes it. The window turns presses, drops, menu
// commands and timer ticks into calls of these routines and shows `ui` and the board afterwards; a
// network session (net/) drives the peer's side. Routines live in files named after them.
class Game : private Board {
public:
    // A game as the main window holds it after loading: the start position on a locked
    // board, no game running, `localAddress` shown as the player's address.
    Game(Shell& shell, const std::string& localAddress);

    // --- What the window shows -------------------------------------------------------------
    const Controls& View() const { return ui; }  // the window's model
    // The board, cell = 9 * row + column, row 0 at the top, and the hands: `Hand::Image4` at
    // the bottom, `Hand::Image5` at the top.
    const BoardCells& Squares() const { return Image1; }
    const HandCells& HandSlots(Hand hand) const { return Cells(hand); }
    // Owner tags, and the sound effects of a move and of a chat line.
    static inline const std::string EmptyTag{"0"}, SenteTag{"1"}, GoteTag{"2"};
    static constexpr int MoveSoundId = 101, MessageSoundId = 102, TimeWarningSoundId = 103;

    // --- Where the game stands ---------------------------------------------------------------
    Side ToMove() const { return Turn == 0 ? Side::Sente : Side::Gote; }
    // The side of the player at the bottom: Gote's when the board is turned for a Gote player
    // of a network game or against the computer.
    Side LocalSide() const { return LocalIsGote == 1 ? Side::Gote : Side::Sente; }
    // The socket carries the game: from a confirmed connect or listen dialog until the
    // connection ends.
    bool NetworkMode() const { return NetworkGame == 1; }
    // From the moment an offer is accepted until that network game ends; the peer's moves,
    // resignation and loss on time count only meanwhile.
    bool NetworkGameRuns() const { return NetworkGameRunning == 1; }
    // A game against the computer runs; the computer plays the side that is not the local
    // player's and sits at the top of the board.
    bool AgainstComputer() const { return ComputerGame == 1; }
    // The last game was against the computer and has been decided; true until the next game.
    bool ComputerGameDecided() const { return computerGameDecided_; }
    bool DropsAllowed() const { return settings_.capturedPieces; }
    const ClockCounters& Clocks() const { return clocks; }
    // The time limit of the running game: the settings' at one computer and over the network,
    // the computer game's own against the computer.
    bool TimeLimitOn() const;
    // The clock (bottom or top) is in the last 30 seconds of the time limit: the window shows
    // it in the warning colour.
    bool ClockWarning(bool bottom) const;

    // Everything a move changes, and its return: take-back, the replay of a record and a
    // position set up by hand show a position this way. A piece held or a range shown is
    // dropped.
    PlayState Snapshot() const;
    void Restore(const PlayState& state);

    // "スタート(&S)": a new game at one computer.
    void sutato_Click();

    // The board lock: while it is locked nothing on the board or in the hands can be picked up.
    bool BoardOpen() const { return boardOpen_; }

    // Pick-up and range display.
    void BoardPickUp(int cell, MouseButton button);
    bool RangeOnDisplay() const { return rangeOnDisplay_; }

    // Pick-up from a hand; its drop on a board cell is handled by `Image1_DragDrop`.
    void HandPickUp(Hand hand, int slot, MouseButton button);

    // Drops: on board cell `cell`, or on any other control of the main window.
    void Image1_DragDrop(int cell);
    void DropElsewhere();

    // Clocks: the tick handlers of `Timer1` (bottom clock) and `Timer2` (top clock).
    void Timer1_Timer();
    void Timer2_Timer();

    // The settings dialog: the boxes it shows, and what OK does with them.
    SettingsChoice SettingsOnLoad() const;
    void ApplySettings(SettingsChoice choice);

    // "投了(&F)": asks, and on Yes the local player (at one computer the side to move) loses.
    void touryou_Click();

    // --- What a network session drives -------------------------------------------------------
    // A connect or listen dialog was confirmed: no game runs while the connection is made, and
    // none can be started at one computer.
    void AwaitConnection();
    // From the confirmation of a connect or listen dialog: the socket carries the game, and
    // `peer` sits across the board until the connection ends.
    void EnterNetworkMode(PlayerAcross& peer);
    // `player` is going away: its seat empties, if it was there.
    void Unseat(const PlayerAcross& player);
    // A peer connected to the listening side, which may offer the first game.
    void ConnectionReceived();
    // The local player may offer the peer a game now.
    bool MayOfferGame() const { return ui.kopyuuta; }
    // The local player offered a game on `local`'s side and waits for the answer.
    void AwaitAnswerToOffer(Side local);
    // The peer refused the local player's offer, who may offer again.
    void OfferRefused();
    // An offer was accepted, by either side: a network game starts with the local player,
    // named `localHandle`, on `local`'s side against the peer named `peerHandle`.
    void StartNetworkGame(Side local, const std::string& localHandle,
                          const std::string& peerHandle);
    // The window's grace period for an overdue peer has passed: asks whether to give up on the
    // peer, true on Yes. Without an overdue peer of a running game nothing is asked.
    bool GiveUpOnOverduePeer();
    // The peer may move now, and `from` → `to` (local view) is a step it could make.
    bool PeerMayMove() const;
    bool IsPeerStep(int from, int to) const;
    // Makes the peer's step, hands the turn to the local player and judges the end of game.
    void ApplyPeerMove(int from, int to);
    // The peer reports that its clock ran out, or resigns: the local player wins a running
    // network game. Outside a running network game nothing changes.
    void PeerOutOfTime();
    void PeerResigned();
    // A connection began or ended: no network game runs.
    void NoNetworkGame();
    // The connection never came, the local player disconnected, the peer closed it, or it
    // broke: the game is played at one computer again.
    void ConnectionNotMade();
    void Disconnected();
    void PeerClosedConnection();
    void ConnectionBroke();

    // --- A game against the computer --------------------------------------------------------
    // Starts it as "スタート(&S)" would, with the player's pieces at the bottom and `computer`
    // across the board, told when it is to move. The game has its own time limit, on or off.
    void StartComputerGame(bool playerIsGote, PlayerAcross& computer, bool timeLimit = false);
    // The computer may move now: its game runs, its turn, nobody has lost.
    bool ComputerMayMove() const;
    // The computer's move in the local view; false (and nothing changed) when it is not legal.
    bool ApplyComputerMove(const EngineMove& move);
    // The computer game is over or abandoned: connecting is possible again.
    void EndComputerGame();
    // The computer has no move and resigns.
    void ComputerResigns();

    // --- The record of the game ------------------------------------------------------------
    const MoveHistory& History() const { return history_; }
    // Names the two players in the record (a computer game's window knows the level).
    void NamePlayers(const std::string& sente, const std::string& gote);
    // "待った(&U)": not in a network game; against the computer on the player's turn only.
    bool MayTakeBack() const;
    // At one computer the last move goes back; against the computer the player's last move
    // and the computer's answer. Everything the moves changed returns as it was.
    void TakeBack();
    // Shows a record's last position as a game at one computer (no `computer`) or against
    // `computer`, with the player's pieces at the bottom (Gote's when `playerIsGote`) and the
    // computer game's own time limit. The record's moves must be legal, as `ReadRecord` checks
    // them.
    void LoadRecord(const GameRecord& record, bool playerIsGote = false,
                    PlayerAcross* computer = nullptr, bool timeLimit = false);
    // The game on the board has moves and no end yet, so it can be played on from here.
    bool MayPlayOn() const;
    // A new game from `start`, a position set up by hand that CheckSetUp accepts, under the
    // current settings and with a record that starts from it: at one computer (no `computer`)
    // the side to move is told to begin, as "スタート(&S)" tells Sente; against `computer` as
    // `LoadRecord` goes on, with the computer game's own time limit.
    void StartFromPosition(const BoardPosition& start, bool playerIsGote = false,
                           PlayerAcross* computer = nullptr, bool timeLimit = false);
    // `position` as the window shows it, the side to move to play on while `playable`: a
    // record's position, or one of the engine's line replayed.
    PlayState StateOf(const RecordPosition& position, bool playable) const;

    Shell& shell() { return shell_; }

private:
    void Form_Load(const std::string& localAddress);
    Controls ui;  // the window's model
    // Opens or locks the board. The local board is open only on the local player's turn while
    // a game runs.
    void SetBoardOpen(bool open);
    void LayOutStartPosition();
    // The start position of a network game, and its owner tags turned for the Gote player.
    void NetworkSetup();
    void MirrorTags();
    // The players sit down at a freshly laid-out start position, the local player on `local`'s
    // side at the bottom, the peer or the computer across the board.
    void SeatPlayers(Side local);
    // The player across the board is told that it is to move, once the move before is complete.
    void TellAcrossItsTurn();

    // Range display.
    void ShowMoveRange();
    void MarkNeighbour(StepDirection direction);
    void CancelDrag();
    void RestoreNeighbour(StepDirection direction);

    // Move execution: the piece goes from its origin to the move's target, an empty cell, or
    // one whose piece `capturer` takes into its hand (on the capturer's side of the screen).
    void ApplyMove(const Move& move);
    void ApplyMove(const Move& move, Side capturer);
    void CaptureToHand(const Move& move, Side capturer);
    Hand HandOf(Side side) const;
    void HandOverToPeer(const Move& move);
    void EndOfGameScan();
    // The end of the game as the record keeps it.
    void RecordResult(GameEnd end, Side loser);

    // Turn display and clocks.
    void RunTimer1();
    void RunTimer2();

    // Turn display: the marker that turns green, with the other side's clock label zeroed.
    void PassTurnToBottom();
    void PassTurnToTop();
    void PassTurnAfterGote();
    void PassTurnToLocal();

    void ClockTick(bool bottom);
    void RunOutOfTime(bool bottom);
    void StopClockAfterResignation(bool bottom);

    void MoveToEmptyCell(const Move& move);
    void CaptureBySente(const Move& move);
    void CaptureByGote(const Move& move);
    void MoveSound();
    // The piece `mover` is moving to `cell` (its kind and tag are still on its origin).
    bool ThreatensElephant(const Cell& mover, int cell) const;
    void EndOfGame(bool senteLost);
    const char* PlayerResult(Side loser) const;
    void PeerMoveScan();
    void EndNetworkGameWon(GameEnd end);
    void MakePeerMove(const Move& move);
    void HandOverToComputer();
    bool IsComputerDrop(const EngineMove& move, int& slot) const;
    void TransferPiece(const Move& move);
    bool BothSidesComplete() const;
    void PlayAcross(const Move& move);
    void MakeRecorded(void (Game::*make)(const Move&), const Move& move, bool tellThreat);

    // Record keeping: the move about to be made with the state before it, and the state a
    // record's position is shown in.
    struct PendingMove {
        RecordedMove move;
        PlayState before;
    };
    PendingMove PrepareRecord(const Move& move) const;
    void KeepMove(PendingMove pending);
    void RecordLossOnBoard(Side loser);
    void StartRecord();
    RecordHeader NewRecordHeader() const;

    int Turn = 0;  // 0: Sente to move, 1: Gote to move
    int NetworkGame = 0, LocalIsGote = 0;
    int NetworkGameRunning = 0;
    int ComputerGame = 0;
    bool computerTimeLimit_ = false;  // the time limit of a game against the computer
    bool computerGameDecided_ = false;
    ClockCounters clocks;

    SettingsChoice settings_;  // as the settings dialog first shows them: captured pieces off

    // Range display: what each direction's ghost covered.
    std::array<int, 8> Image3{};
    std::array<int, 8> UnmarkedEnemy{};
    int GhostImageId = 0;

    Shell& shell_;
    PlayerAcross* across_ = nullptr;  // the peer or the computer; none at one computer
    bool boardOpen_ = false;
    bool rangeOnDisplay_ = false;
    bool elephantThreatened_ = false;  // the move being made threatens the enemy Elephant
    MoveInProgress inProgress_;        // the piece held between a press and its drop
    MoveHistory history_;
};

}  // namespace torvane
