#pragma once

#include <deque>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/PieceKind.h"

namespace torvane {

// The window's effects, recorded: what was shown, played and sent, and how drags went.
// Questions are answered from `answers` (Yes when it runs dry).
struct ScriptedShell : Shell {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<int> sounds;
    std::vector<std::vector<std::uint8_t>> sent;
    bool sendSucceeds = true;
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
    bool Send(const std::vector<std::uint8_t>& bytes) override {
        if (sendSucceeds) sent.push_back(bytes);
        return sendSucceeds;
    }
    void BeginDrag(DragArea area, int icon) override {
        ++dragsBegun;
        lastArea = area;
        lastDragIcon = icon;
    }
    void EndDrag() override { ++dragsEnded; }
    void RepaintNow() override { ++repaints; }
};

// A started game at one computer with its shell.
struct LocalGame {
    ScriptedShell shell;
    Game game{shell};
    LocalGame() {
        game.Form_Load("127.0.0.1");
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

}  // namespace torvane
