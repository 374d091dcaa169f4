#include "BalancedOpenings.h"

#include <atomic>
#include <random>
#include <set>

#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/Sfen.h"

namespace torvane::tune {

namespace {

using namespace engine;

struct Candidate {
    Position position;
    std::vector<std::uint64_t> history;
    std::string moves;
    bool captured = false, dropped = false;
};

// A random move; with drops, captures and drops are preferred half of the time.
Move RandomMove(const Position& pos, bool drops, std::mt19937_64& random) {
    MoveList list, preferred;
    GenerateMoves(pos, drops, list);
    for (Move m : list)
        if (drops && (IsDrop(m) || pos.At(ToOf(m)) != kEmpty)) preferred.Add(m);
    const MoveList& from = preferred.size > 0 && random() % 2 == 0 ? preferred : list;
    return from.moves[random() % static_cast<unsigned>(from.size)];
}

bool RandomCandidate(const OpeningsConfig& config, std::mt19937_64& random, Candidate& c) {
    c = Candidate{};
    c.position = StartPosition();
    for (int ply = 0; ply < config.plies; ++ply) {
        Move m = RandomMove(c.position, config.drops, random);
        c.captured |= !IsDrop(m) && c.position.At(ToOf(m)) != kEmpty;
        c.dropped |= IsDrop(m);
        c.history.push_back(c.position.Hash());
        Undo undo;
        c.position.Make(m, undo);
        if (c.position.IsDecided()) return false;
        c.moves += (ply > 0 ? " " : "") + MoveName(m);
    }
    return !config.drops || (c.captured && c.dropped);
}

}  // namespace

std::vector<std::string> BalancedOpenings(const OpeningsConfig& config) {
    std::mt19937_64 random(config.seed);
    TranspositionTable tt(8);
    Search search(tt, config.seed);
    std::atomic<bool> stop{false};
    std::set<std::string> seen;
    std::vector<std::string> openings;
    while (static_cast<int>(openings.size()) < config.count) {
        Candidate c;
        if (!RandomCandidate(config, random, c) || seen.count(c.moves)) continue;
        SearchRequest request{c.position, c.history, {}, config.drops, kMaxLevel};
        request.limits.nodes = config.nodes;
        int score = search.Run(request, stop, [](const std::string&) {}).score;
        if (score < -config.maxScore || score > config.maxScore) continue;
        seen.insert(c.moves);
        openings.push_back(c.moves);
    }
    return openings;
}

}  // namespace torvane::tune
