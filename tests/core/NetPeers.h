#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedShell.h"
#include "protocol/MessageEncoder.h"

namespace torvane {

// One program of a network game: its game, its recorded socket, and the bytes it sent that
// the peer has not read yet. `whileModal` runs once while the next box is open, as window
// events can.
struct NetPeer : ScriptedShell {
    RecordedConnection connection;
    Game game{*this, "127.0.0.1"};
    NetSession session{game, connection};
    std::vector<WireBytes>& sent = connection.sent;
    std::vector<WireBytes>& unread = connection.unread;
    bool& sendSucceeds = connection.sendSucceeds;
    std::function<void()> whileModal;

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
        session.BytesArrived(bytes);
        if (session.TextPending()) session.TextQuietPeriodElapsed();
    }
};

// Two programs joined by a byte pipe: `a` listened with handle "A", `b` connected as "B", and
// the greeting has gone both ways.
struct NetPair {
    NetPeer a, b;
    explicit NetPair(const std::string& handleB = "B") {
        a.session.ListenDialogOk("A", "5000");
        b.session.ConnectDialogOk(handleB, "127.0.0.1", "5000");
        a.session.ConnectionRequested(1);
        b.session.Connected();
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
        a.session.OfferGame(aTakesSente);
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
