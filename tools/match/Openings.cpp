#include "Openings.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/MoveGen.h"
#include "engine/Sfen.h"

namespace torvane::match {

namespace {

using namespace engine;

Opening RandomOpening(std::mt19937& random, int plies, bool drops) {
    Position pos = StartPosition();
    Opening moves;
    while (static_cast<int>(moves.size()) < plies) {
        MoveList list;
        GenerateMoves(pos, drops, list);
        Move m = list.moves[random() % static_cast<unsigned>(list.size)];
        Position next = pos;
        Undo undo;
        next.Make(m, undo);
        if (next.IsDecided()) continue;
        pos = next;
        moves.push_back(MoveName(m));
    }
    return moves;
}

}  // namespace

std::vector<Opening> RandomOpenings(int count, int plies, bool drops, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Opening> openings;
    for (int i = 0; i < count; ++i) openings.push_back(RandomOpening(random, plies, drops));
    return openings;
}

std::vector<Opening> ReadOpenings(const std::string& path, bool drops) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read openings from " + path);
    std::vector<Opening> openings;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        Position pos = StartPosition();
        Opening moves;
        for (std::string w; words >> w;) {
            auto m = pos.IsDecided() ? std::nullopt : FindLegalMove(pos, drops, w);
            if (!m)
                throw std::runtime_error(path + ":" + std::to_string(number) + ": bad move " + w);
            Undo undo;
            pos.Make(*m, undo);
            moves.push_back(w);
        }
        if (!moves.empty()) openings.push_back(moves);
    }
    if (openings.empty()) throw std::runtime_error("no openings in " + path);
    return openings;
}

}  // namespace torvane::match
