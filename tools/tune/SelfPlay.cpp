#include "SelfPlay.h"

#include <atomic>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/Sfen.h"
#include "engine/Threat.h"

namespace torvane::tune {

namespace {

using namespace engine;

// Random legal moves that leave the game undecided.
Position RandomOpening(std::mt19937_64& random, const SelfPlayConfig& config,
                       std::vector<std::uint64_t>& history) {
    Position pos = StartPosition();
    while (static_cast<int>(history.size()) < config.openingPlies) {
        MoveList list;
        GenerateMoves(pos, config.drops, list);
        Position next = pos;
        Undo undo;
        next.Make(list.moves[random() % static_cast<unsigned>(list.size)], undo);
        if (next.IsDecided()) continue;
        history.push_back(pos.Hash());
        pos = next;
    }
    return pos;
}

// One game; its quiet positions are appended to `out` with the result.
void PlayOne(Search& search, std::mt19937_64& random, const SelfPlayConfig& config,
             std::vector<LabelledPosition>& out) {
    std::vector<std::uint64_t> history;
    Position pos = RandomOpening(random, config, history);
    std::vector<Position> quiet;
    std::atomic<bool> stop{false};
    double result = 0.5;
    for (int ply = config.openingPlies; ply < config.maxPlies; ++ply) {
        if (pos.IsDecided()) {
            result = pos.HasLost(Sente) ? 0.0 : 1.0;
            break;
        }
        if (IsQuiet(pos)) quiet.push_back(pos);
        SearchRequest request{pos, history, {}, config.drops, kMaxLevel};
        request.limits.nodes = config.nodes;
        SearchResult r = search.Run(request, stop, [](const std::string&) {});
        if (r.best == kNoMove) {  // no move: the side to move has lost
            result = pos.SideToMove() == Sente ? 0.0 : 1.0;
            break;
        }
        history.push_back(pos.Hash());
        Undo undo;
        pos.Make(r.best, undo);
    }
    for (const Position& p : quiet) out.push_back({p, result});
}

}  // namespace

bool IsQuiet(const Position& pos) {
    MoveList captures;
    GenerateCaptures(pos, captures);
    VitalAttacks attacks = FindVitalAttacks(pos);
    return captures.size == 0 && !attacks.on[Sente] && !attacks.on[Gote];
}

void PlaySelfGames(const SelfPlayConfig& config,
                   const std::function<void(const std::vector<LabelledPosition>&, int)>& done) {
    std::mutex mutex;
    int finished = 0;
    std::atomic<int> next{0};
    auto worker = [&](unsigned seed) {
        TranspositionTable tt(8);
        Search search(tt, seed);
        std::mt19937_64 random(seed);
        for (int g = next++; g < config.games; g = next++) {
            std::vector<LabelledPosition> positions;
            PlayOne(search, random, config, positions);
            std::lock_guard lock(mutex);
            done(positions, ++finished);
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < std::max(1, config.jobs); ++j)
        threads.emplace_back(worker, config.seed * 1000 + static_cast<unsigned>(j));
    for (std::thread& t : threads) t.join();
}

void WritePositions(std::ostream& out, const std::vector<LabelledPosition>& positions) {
    for (const LabelledPosition& p : positions)
        out << FormatSfen(p.position) << '\t' << p.result << '\n';
}

std::vector<LabelledPosition> ReadPositions(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<LabelledPosition> positions;
    std::string line, error;
    for (int number = 1; std::getline(in, line); ++number) {
        std::size_t tab = line.find('\t');
        LabelledPosition p;
        if (tab == std::string::npos || !ParseSfen(line.substr(0, tab), p.position, error))
            throw std::runtime_error(path + ":" + std::to_string(number) + ": bad line");
        p.result = std::stod(line.substr(tab + 1));
        positions.push_back(p);
    }
    return positions;
}

}  // namespace torvane::tune
