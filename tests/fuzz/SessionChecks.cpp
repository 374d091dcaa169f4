#include "SessionChecks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "images/PieceImageTable.h"
#include "images/SetupTemplate.h"
#include "net/NetSession.h"
#include "protocol/MessageDecoder.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

// Aborts the run, saying which check failed.
void Check(bool ok, int line = __builtin_LINE()) {
    if (ok) return;
    std::fprintf(stderr, "SessionChecks.cpp:%d: check failed\n", line);
    std::abort();
}

// A piece shows the resting picture and the drag icon of its kind, both in one ink; an empty
// cell or slot is the blank prototype.
bool WellFormed(const Cell& cell) {
    if (cell.Tag.size() != 1) return false;
    if (cell.Tag[0] == '0') return cell.Picture == 0 && cell.Kind == 0 && cell.DragIcon == 0;
    if ((cell.Tag[0] != '1' && cell.Tag[0] != '2') || !IsPieceKind(cell.Kind)) return false;
    for (ImageInk ink : {ImageInk::Black, ImageInk::Red})
        if (cell.Picture == PieceImageId(cell.Kind, ink, ImageVariant::Normal) &&
            cell.DragIcon == PieceImageId(cell.Kind, ink, ImageVariant::Held))
            return true;
    return false;
}

// Pieces of each kind, by kind code.
using KindCounts = std::array<int, Elephant + 1>;

template <typename Cells>
void CountPieces(const Cells& cells, KindCounts& kinds, int& total) {
    for (const Cell& cell : cells) {
        Check(WellFormed(cell));
        if (cell.Tag[0] == '0') continue;
        ++kinds[cell.Kind];
        ++total;
    }
}

bool Full(const HandCells& hand) {
    for (const Cell& slot : hand)
        if (slot.Tag[0] == '0') return false;
    return true;
}

bool Empty(const HandCells& hand) {
    for (const Cell& slot : hand)
        if (slot.Tag[0] != '0') return false;
    return true;
}

const KindCounts& StartKinds() {
    static const KindCounts kinds = [] {
        KindCounts k{};
        int total = 0;
        CountPieces(SetupTemplate(), k, total);
        return k;
    }();
    return kinds;
}

// "hh:mm:ss", with as many digits of hours as it takes.
void CheckClockLabel(const std::string& label) {
    Check(label.size() >= 8);
    const std::string_view minutesAndSeconds = std::string_view(label).substr(label.size() - 6);
    Check(minutesAndSeconds[0] == ':' && minutesAndSeconds[3] == ':');
    Check(minutesAndSeconds[1] <= '5' && minutesAndSeconds[4] <= '5');
    for (std::size_t i = 0; i < label.size(); ++i)
        if (i != label.size() - 6 && i != label.size() - 3)
            Check(label[i] >= '0' && label[i] <= '9');
}

}  // namespace

SessionChecks::SessionChecks(const Game& game) {
    CheckPieces(game);
}

// The total may fall only when a capture found its hand full, and rise only when the start
// position is laid out afresh (both hands empty then).
void SessionChecks::CheckPieces(const Game& game) {
    KindCounts kinds{};
    int total = 0;
    CountPieces(game.Squares(), kinds, total);
    CountPieces(game.HandSlots(Hand::Image4), kinds, total);
    CountPieces(game.HandSlots(Hand::Image5), kinds, total);
    for (PieceKind kind : kAllKinds) Check(kinds[kind] <= StartKinds()[kind]);
    bool fresh = Empty(game.HandSlots(Hand::Image4)) && Empty(game.HandSlots(Hand::Image5));
    if (total > total_) Check(fresh);
    if (total < total_)
        Check(Full(game.HandSlots(Hand::Image4)) || Full(game.HandSlots(Hand::Image5)) || fresh);
    total_ = total;
}

void SessionChecks::AfterStep(const Game& game, const NetSession& session) {
    CheckPieces(game);
    Check(!game.RangeOnDisplay());
    Check(game.ToMove() == Side::Sente || game.ToMove() == Side::Gote);
    Check(game.LocalSide() == Side::Sente || game.LocalSide() == Side::Gote);
    Check(!game.NetworkGameRuns() || game.NetworkMode());
    // While a network game runs, the local board opens only on the local player's turn.
    if (game.NetworkGameRuns() && game.BoardOpen()) Check(game.ToMove() == game.LocalSide());
    const ClockCounters& c = game.Clocks();
    for (int v :
         {c.Timer1Seconds, c.Timer1Display, c.Timer2Seconds, c.Timer2Display, c.ClockMinutes})
        Check(v >= 0);
    CheckClockLabel(game.View().Label1);
    CheckClockLabel(game.View().Label3);
    const std::string& log = session.View().Text100;
    Check(log.size() <= NetSession::kMaxChatBytes || session.View().Text100Lines == 1);
    Check(std::size_t(std::count(log.begin(), log.end(), '\n')) == session.View().Text100Lines);
}

void SessionChecks::CheckSent(const WireBytes& bytes) {
    MessageDecoder decoder;
    std::vector<Message> got = decoder.feed(bytes);
    if (std::optional<CodeMsg> text = decoder.flushText()) got.push_back(*text);
    Check(got.size() == 1);
    if (const auto* move = std::get_if<MoveMsg>(&got[0])) Check(move->valid());
}

}  // namespace torvane
