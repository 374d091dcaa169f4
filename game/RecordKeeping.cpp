#include <ctime>

#include "game/Game.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

int SecondsOf(int display) {
    return display / 100 * 60 + display % 100;
}

std::string LocalTimeNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

}  // namespace

// Called once the move is certain and before anything of it is made: the origin still holds
// the mover, the target what it takes, and the mover's clock its time for the move.
Game::PendingMove Game::PrepareRecord(const Move& move) const {
    bool turned = LocalIsGote == 1;
    const Cell& origin = Origin(move);
    RecordedMove recorded;
    recorded.mover = SideOfTag(origin.Tag);
    // Records keep the board as Sente sees it; a board turned for Gote is turned back.
    recorded.from = move.IsDrop() ? -1 : TurnedCell(move.from, turned);
    recorded.to = TurnedCell(move.to, turned);
    recorded.kind = origin.Kind;
    recorded.capture = Image1[move.to].Tag != EmptyTag;
    bool bottomClock = recorded.mover == (turned ? Side::Gote : Side::Sente);
    recorded.seconds = SecondsOf(clocks.Display(bottomClock));
    return {recorded, Snapshot()};
}

void Game::KeepMove(PendingMove pending) {
    history_.Add(pending.move, std::move(pending.before));
}

void Game::NamePlayers(const std::string& sente, const std::string& gote) {
    history_.header().sente = sente;
    history_.header().gote = gote;
}

void Game::RecordResult(GameEnd end, Side loser) {
    history_.SetResult({end, loser});
}

void Game::RecordLossOnBoard(Side loser) {
    bool elephant = false;
    for (const Cell& cell : Image1) elephant |= cell.Tag == TagOf(loser) && cell.Kind == Elephant;
    RecordResult(elephant ? GameEnd::RatsLost : GameEnd::ElephantLost, loser);
}

// Every new game starts a new record, with the settings it starts under.
void Game::StartRecord() {
    history_.Start(NewRecordHeader());
}

RecordHeader Game::NewRecordHeader() const {
    RecordHeader header;
    header.started = LocalTimeNow();
    header.capturedPiecesUsed = settings_.capturedPieces;
    header.timeLimitOn = TimeLimitOn();
    return header;
}

}  // namespace torvane
