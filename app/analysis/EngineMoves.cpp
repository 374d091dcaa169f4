#include "app/analysis/EngineMoves.h"

#include "game/EnginePosition.h"

namespace torvane {

EngineLine EngineLineOf(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                        int ply) {
    EngineLine line{RecordPosition(start).Sfen(), {}};
    for (int i = 0; i < ply && i < static_cast<int>(moves.size()); ++i) {
        const RecordedMove& move = moves[static_cast<std::size_t>(i)];
        line.moves.push_back(EngineMoveText({move.IsDrop(), move.from, move.to, move.kind}, false));
    }
    return line;
}

RecordPosition PositionAfter(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                             int ply, bool drops) {
    RecordPosition position(start);
    for (int i = 0; i < ply && i < static_cast<int>(moves.size()); ++i) {
        RecordedMove move = moves[static_cast<std::size_t>(i)];
        position.Play(move, drops);
    }
    return position;
}

std::vector<RecordedMove> RecordLineOf(RecordPosition position, const std::vector<std::string>& pv,
                                       bool drops, int limit) {
    std::vector<RecordedMove> line;
    for (const std::string& word : pv) {
        if (static_cast<int>(line.size()) >= limit) break;
        std::optional<EngineMove> parsed = ParseEngineMove(word, false);
        if (!parsed) break;
        const int kind = parsed->drop ? parsed->kind : position.Board()[parsed->from].Kind;
        RecordedMove move{position.ToMove(), parsed->drop ? -1 : parsed->from, parsed->to, kind};
        if (position.Play(move, drops)) break;
        line.push_back(move);
    }
    return line;
}

}  // namespace torvane
