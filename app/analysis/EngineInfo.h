#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// What the engine reports of a search at a depth it has finished, read from a line such as
// `info depth 8 seldepth 12 multipv 2 score cp -35 nodes 9120 nps 4000 time 2 pv 5f5e 4d4e`.
struct EngineInfo {
    int multipv = 1;  // the rank of the line among those asked for, 1 when not given
    int depth = 0;
    // Centipawns for the side to move; a mate in n plies (`score mate n`, negative when the
    // side to move is mated) scores ±(kAnalysisMateScore - n).
    int score = 0;
    std::vector<std::string> pv;  // the moves in the engine's notation, best first
};

// The report `line` gives, or nothing for any other line (`info string`, `bestmove`, a line
// without a depth, a score or a line of play, or with numbers out of range).
std::optional<EngineInfo> ParseEngineInfo(const QString& line);

}  // namespace torvane
