#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedShell.h"
#include "net/MessageEncoder.h"

namespace torvane {

// The socket operations the game asked for, in order, e.g. "close", "connect 10.0.0.2:5000".
struct RecordedConnection : Connection {
    std::vector<std::string> calls;
    std::optional<ConnectionError> listenError;
    void Close() override { calls.push_back("close"); }
    void Connect(const std::string& host, int port) override {
        calls.push_back("connect " + host + ":" + std::to_string(port));
    }
    std::optional<ConnectionError> Listen(int port) override {
        calls.push_back("listen " + std::to_string(port));
        return listenError;
    }
    void Accept(int id) override { calls.push_back("accept " + std::to_string(id)); }
};

// One program of a network game: its game, its recorded socket, and the bytes it sent that
// the peer has not read yet. `whileModal` runs once while the next box is open, as window
// events can.
struct NetPeer : ScriptedShell {
    RecordedConnection connection;
    Game game{*this};
    std::vector<WireBytes> unread;
    std::function<void()> whileModal;

    NetPeer() {
        game.Form_Load("127.0.0.1");
        game.UseConnection(connection);
    }
    bool Send(const std::vector<std::uint8_t>& bytes) override {
        if (!ScriptedShell::Send(bytes)) return false;
        unread.push_back(bytes);
        return true;
    }
    bool AskYesNo(const std::string& text) override {
        if (whileModal) std::exchange(whileModal, nullptr)();
        return ScriptedShell::AskYesNo(text);
    }
    void ShowMessage(const std::string& text) override {
        if (whileModal) std::exchange(whileModal, nullptr)();
        ScriptedShell::ShowMessage(text);
    }
    void Drag(int from, int to) {
        game.BoardPickUp(from, MouseButton::Left);
        game.Image1_DragDrop(to);
    }
    // Delivers bytes as one read, then lets the quiet period end a text.
    void Read(const WireBytes& bytes) {
        game.BytesArrived(bytes);
        if (game.TextPending()) game.TextQuietPeriodElapsed();
    }
};

// Two programs joined by a byte pipe: `a` listened with handle "A", `b` connected as "B", and
// the greeting has gone both ways.
struct NetPair {
    NetPeer a, b;
    explicit NetPair(const std::string& handleB = "B") {
        a.game.ListenDialogOk("A", "5000");
        b.game.ConnectDialogOk(handleB, "127.0.0.1", "5000");
        a.game.ConnectionRequested(1);
        b.game.Connected();
        Pump();
    }
    // Each write reaches the peer as one read, until both sides are quiet.
    void Pump() {
        while (!a.unread.empty() || !b.unread.empty()) {
            for (auto [from, to] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
                std::vector<WireBytes> writes = std::exchange(from->unread, {});
                for (const WireBytes& w : writes) to->Read(w);
            }
        }
    }
    // `a` offers, `b` answers; the game starts on Yes.
    void Offer(bool aTakesSente, bool answer = true) {
        b.answers.push_back(answer);
        a.game.OfferGame(aTakesSente);
        Pump();
    }
    void Clear() {
        for (NetPeer* p : {&a, &b}) {
            p->messages.clear();
            p->questions.clear();
            p->sent.clear();
            p->sounds.clear();
        }
    }
};

inline WireBytes Bytes(std::initializer_list<std::uint8_t> bytes) {
    return WireBytes(bytes);
}

}  // namespace torvane
