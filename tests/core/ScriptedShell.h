#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/Game.h"
#include "net/NetSession.h"
#include "protocol/WireBytes.h"
#include "rules/PieceKind.h"

namespace torvane {

// The window's effects, recorded: what was shown and played, and how drags went.
// Questions are answered from `answers` (Yes when it runs dry).
struct ScriptedShell : Shell {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<int> sounds;
    int dragsBegun = 0, dragsEnded = 0, repaints = 0;
    DragArea lastArea = DragArea::Board;
    int lastDragIcon = 0;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return true;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void PlaySound(int id) override { sounds.push_back(id); }
    void BeginDrag(DragArea area, int icon) override {
        ++dragsBegun;
        lastArea = area;
        lastDragIcon = icon;
    }
    void EndDrag() override { ++dragsEnded; }
    void RepaintNow() override { ++repaints; }
};

// The socket operations the session asked for, in order, e.g. "close", "connect
// 10.0.0.2:5000", and the messages it sent: all of them, and those the peer has not read yet.
// The computer across the board: what the game told it, counted. The engine's answers are the
// test's to give, through the game's routines.
struct RecordedComputer : PlayerAcross {
    int moves = 0, turns = 0, resignations = 0, timeLosses = 0;
    void LocalMoved(const Move&) override { ++moves; }
    void YourTurn() override { ++turns; }
    void LocalResigned() override { ++resignations; }
    void LocalOutOfTime() override { ++timeLosses; }
};

struct RecordedConnection : Connection {
    std::vector<std::string> calls;
    std::optional<ConnectionError> listenError;
    std::vector<WireBytes> sent, unread;
    bool sendSucceeds = true;

    void Close() override { calls.push_back("close"); }
    void Connect(const std::string& host, int port) override {
        calls.push_back("connect " + host + ":" + std::to_string(port));
    }
    std::optional<ConnectionError> Listen(int port) override {
        calls.push_back("listen " + std::to_string(port));
        return listenError;
    }
    void Accept(int id) override { calls.push_back("accept " + std::to_string(id)); }
    bool Send(std::span<const std::uint8_t> bytes) override {
        if (!sendSucceeds) return false;
        sent.emplace_back(bytes.begin(), bytes.end());
        unread.emplace_back(bytes.begin(), bytes.end());
        return true;
    }
};

// A started game at one computer with its shell, and the network session every window has.
struct LocalGame {
    ScriptedShell shell;
    Game game{shell, "127.0.0.1"};
    RecordedConnection connection;
    NetSession session{game, connection};
    LocalGame() {
        game.sutato_Click();
        shell.messages.clear();
    }
    // Picks up `from` and drops on `to`, as a player's drag would.
    void Drag(int from, int to) {
        game.BoardPickUp(from, MouseButton::Left);
        game.Image1_DragDrop(to);
    }
    // Places a piece directly, for positions the start does not have.
    void Put(int cell, PieceKind kind, const char* tag);
    void ClearBoard();
};

// Positions the start does not have, set up through the game's snapshot as take-back and the
// replay show positions: a cell or a hand slot holds `piece`, or `side` is to move.
void Place(Game& game, int cell, const Cell& piece);
void PlaceInHand(Game& game, Hand hand, int slot, const Cell& piece);
void SetToMove(Game& game, Side side);
// The settings dialog confirmed with `change` made to the boxes the game shows.
template <class Change>
void ChangeSettings(Game& game, Change change) {
    SettingsChoice choice = game.SettingsOnLoad();
    change(choice);
    game.ApplySettings(choice);
}

}  // namespace torvane
