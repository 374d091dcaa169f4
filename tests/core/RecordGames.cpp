#include "RecordGames.h"

#include <string>

#include "rules/MovementRules.h"
#include "rules/PieceKind.h"
#include "rules/SetUpPosition.h"

namespace torvane {

std::vector<RecordedMove> LegalMoves(const RecordPosition& position, bool drops) {
    std::vector<RecordedMove> moves;
    if (position.Decided()) return moves;
    Side side = position.ToMove();
    const BoardCells& board = position.Board();
    for (int from = 0; from < kCellCount; ++from) {
        if (board[from].Tag != TagOf(side)) continue;
        for (int to : ReachableCells(board, from))
            moves.push_back({side, from, to, board[from].Kind, board[to].Tag != "0", 0});
    }
    for (int kind : kAllKinds) {
        if (!drops || position.InHand(side, kind) == 0) continue;
        for (int to = 0; to < kCellCount; ++to)
            if (board[to].Tag == "0") moves.push_back({side, -1, to, kind, false, 0});
    }
    return moves;
}

RecordedMove RandomMove(std::mt19937& random, const RecordPosition& position, bool drops) {
    std::vector<RecordedMove> moves = LegalMoves(position, drops);
    std::vector<RecordedMove> captures;
    for (const RecordedMove& move : moves)
        if (move.capture) captures.push_back(move);
    const auto& pool = !captures.empty() && random() % 2 == 0 ? captures : moves;
    return pool[random() % pool.size()];
}

GameRecord RandomRecord(std::mt19937& random, bool drops, int maxMoves, RecordPosition& position) {
    const char* names[] = {"先手", "山田　花子", "髙橋①", "Alice B.", "ｱﾌﾟﾘ", ""};
    GameRecord record;
    record.header = {"2026/12/0" + std::to_string(1 + random() % 9) + " 10:15:00",
                     names[random() % 6], names[random() % 6], drops, random() % 2 == 0};
    position = RecordPosition();
    for (int i = 0; i < maxMoves && !position.Decided(); ++i) {
        RecordedMove move = RandomMove(random, position, drops);
        move.seconds = static_cast<int>(random() % 4000);
        position.Play(move, drops);
        record.moves.push_back(move);
    }
    GameEnd quit = random() % 2 == 0 ? GameEnd::Resignation : GameEnd::TimeUp;
    if (position.Decided())
        record.result = position.Decided();
    else if (random() % 3 != 0)
        record.result = GameResult{quit, position.ToMove()};
    return record;
}

BoardPosition RandomSetUp(std::mt19937& random) {
    BoardPosition position;
    auto putOnBoard = [&](int kind, Side side) {
        int cell = 0;
        do cell = static_cast<int>(random() % kCellCount);
        while (HoldsPiece(position.board[cell]));
        position.board[cell] = Cell{0, TagOf(side), kind, 0};
    };
    for (Side side : {Side::Sente, Side::Gote}) {
        putOnBoard(Elephant, side);
        putOnBoard(Rat, side);
    }
    for (int kind : kAllKinds) {
        while (SparePieces(position, kind) > 0) {
            const Side side = random() % 2 == 0 ? Side::Sente : Side::Gote;
            const unsigned where = random() % 4;  // the board, a hand, the box
            if (where < 2) putOnBoard(kind, side);
            if (where == 3) break;
            if (where == 2 && position.HandTotal(side) < kHandSlots) ++position.InHand(side, kind);
        }
    }
    position.toMove = random() % 2 == 0 ? Side::Sente : Side::Gote;
    return position;
}

}  // namespace torvane
