// Plays two players against each other through USI and prints wins, draws, losses and an Elo
// estimate, e.g.
//   torvane-match --engine build/engine/torvane-engine --a level:5 --b greedy --games 100
//                 --go "movetime 100"
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "Elo.h"
#include "Game.h"
#include "engine/MoveGen.h"
#include "engine/Sfen.h"

using namespace torvane;

namespace {

struct Options {
    std::map<std::string, std::string> values{{"--engine", "build/engine/torvane-engine"},
                                              {"--a", "level:5"},
                                              {"--b", "greedy"},
                                              {"--games", "100"},
                                              {"--go", "movetime 100"},
                                              {"--opening-plies", "6"},
                                              {"--max-plies", "400"},
                                              {"--seed", "1"}};
    bool drops = false;
    int Number(const std::string& key) const { return std::stoi(values.at(key)); }
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string key = argv[i];
        if (key == "--drops") {
            options.drops = true;
        } else if (options.values.count(key) && i + 1 < argc) {
            options.values[key] = argv[++i];
        } else {
            std::fprintf(stderr, "unknown or incomplete option %s\n", key.c_str());
            return false;
        }
    }
    return true;
}

// A short random opening that leaves the game undecided.
std::vector<std::string> RandomOpening(std::mt19937& random, int plies, bool drops) {
    engine::Position pos = engine::StartPosition();
    std::vector<std::string> moves;
    while (static_cast<int>(moves.size()) < plies) {
        engine::MoveList list;
        engine::GenerateMoves(pos, drops, list);
        engine::Move m = list.moves[random() % list.size];
        engine::Position next = pos;
        engine::Undo undo;
        next.Make(m, undo);
        if (next.IsDecided()) continue;
        pos = next;
        moves.push_back(engine::MoveName(m));
    }
    return moves;
}

void Count(match::Tally& tally, match::Outcome outcome, bool aIsSente) {
    if (outcome == match::Outcome::Draw)
        ++tally.draws;
    else if ((outcome == match::Outcome::SenteWins) == aIsSente)
        ++tally.wins;
    else
        ++tally.losses;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) return 2;
    try {
        std::mt19937 random(static_cast<unsigned>(o.Number("--seed")));
        const auto& v = o.values;
        auto a = match::MakePlayer(v.at("--a"), v.at("--engine"), v.at("--go"), o.drops, random);
        auto b = match::MakePlayer(v.at("--b"), v.at("--engine"), v.at("--go"), o.drops, random);
        match::Tally tally;
        std::vector<std::string> opening;
        for (int g = 0; g < o.Number("--games"); ++g) {
            bool aIsSente = g % 2 == 0;  // each opening is played once from either side
            if (aIsSente) opening = RandomOpening(random, o.Number("--opening-plies"), o.drops);
            match::GameRecord r =
                aIsSente ? match::PlayGame(*a, *b, opening, o.drops, o.Number("--max-plies"))
                         : match::PlayGame(*b, *a, opening, o.drops, o.Number("--max-plies"));
            Count(tally, r.outcome, aIsSente);
            std::fprintf(stderr, "game %d: %d plies, %s; %s\n", g + 1, r.plies, r.reason.c_str(),
                         match::EloSummary(tally).c_str());
        }
        std::printf("%s vs %s (%s%s): %s\n", a->Name().c_str(), b->Name().c_str(),
                    v.at("--go").c_str(), o.drops ? ", drops" : "",
                    match::EloSummary(tally).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
