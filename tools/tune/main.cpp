// Tunes the evaluation: plays self-play games and keeps their quiet positions with the results
// (`play`), or fits the evaluation's weights to such positions by logistic regression on the
// results (`fit`): the scale k first, then the weights, checked on positions held out. Also
// writes the balanced openings the match runner plays from (`openings`).
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "BalancedOpenings.h"
#include "Fit.h"
#include "SelfPlay.h"
#include "engine/EvalTerms.h"

using namespace torvane;

namespace {

constexpr const char* kUsage =
    R"(usage: torvane-tune play --out FILE [--games N] [--nodes N] [--drops]
                        [--jobs N] [--seed N] [--opening-plies N] [--max-plies N]
       torvane-tune fit --data FILE [--drops] [--iterations N] [--held-out PERCENT]
       torvane-tune openings --out FILE [--count N] [--plies N] [--drops] [--max-score CP]
                        [--nodes N] [--seed N]
play: the engine plays itself (each move searched to N nodes, default 2000) after random
      openings, and writes the quiet positions with each game's result for Sente.
fit:  fits k of sigmoid(k * eval) to the results with the engine's weights, then the weights
      (Adam, default 3000 iterations), and prints the mean squared error before and after on
      the positions fitted and on those held out (the file's last PERCENT, default 10), and
      the weights as a C++ table for engine/EvalWeights.cpp.
openings: N different openings of random moves (default 200 of 8 plies; with --drops each
      has a capture and a drop) that a search of N nodes (default 20000) scores within CP
      (default 80) of even, one a line, for torvane-match --openings.
)";

using Options = std::map<std::string, std::string>;

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 2; i < argc; ++i) {
        std::string key = argv[i];
        if (key == "--drops")
            o[key] = "1";
        else if (key.rfind("--", 0) == 0 && i + 1 < argc)
            o[key] = argv[++i];
        else
            return false;
    }
    return true;
}

int Number(const Options& o, const std::string& key, int fallback) {
    auto it = o.find(key);
    return it == o.end() ? fallback : std::stoi(it->second);
}

int Play(const Options& o) {
    tune::SelfPlayConfig c;
    c.games = Number(o, "--games", c.games);
    c.nodes = static_cast<std::uint64_t>(Number(o, "--nodes", static_cast<int>(c.nodes)));
    c.drops = o.count("--drops") > 0;
    c.jobs = Number(o, "--jobs", c.jobs);
    c.seed = static_cast<unsigned>(Number(o, "--seed", static_cast<int>(c.seed)));
    c.openingPlies = Number(o, "--opening-plies", c.openingPlies);
    c.maxPlies = Number(o, "--max-plies", c.maxPlies);
    // Each game's positions are written as it ends, so that a run cut short keeps them.
    std::ofstream out(o.at("--out"));
    if (!out) throw std::runtime_error("cannot write " + o.at("--out"));
    std::size_t count = 0;
    tune::PlaySelfGames(c, [&](const std::vector<tune::LabelledPosition>& positions, int games) {
        tune::WritePositions(out, positions);
        out.flush();
        count += positions.size();
        if (games % 50 == 0) std::fprintf(stderr, "%d games, %zu positions\n", games, count);
    });
    std::printf("%zu quiet positions from %d games written to %s\n", count, c.games,
                o.at("--out").c_str());
    return 0;
}

void PrintWeights(const tune::RealWeights& w) {
    std::printf("constexpr EvalWeights k... = {\n");
    for (int i = 0; i < engine::kTermCount; ++i)
        std::printf("    %ld,  // %s\n", std::lround(w[i]), engine::TermName(i));
    std::printf("};\n");
}

int Openings(const Options& o) {
    tune::OpeningsConfig c;
    c.count = Number(o, "--count", c.count);
    c.plies = Number(o, "--plies", c.plies);
    c.drops = o.count("--drops") > 0;
    c.maxScore = Number(o, "--max-score", c.maxScore);
    c.nodes = static_cast<std::uint64_t>(Number(o, "--nodes", static_cast<int>(c.nodes)));
    c.seed = static_cast<unsigned>(Number(o, "--seed", static_cast<int>(c.seed)));
    std::ofstream out(o.at("--out"));
    out << "# " << c.count << " openings of " << c.plies << " plies"
        << (c.drops ? " with drops" : "") << ", each scored within " << c.maxScore
        << " cp of even by a search of " << c.nodes << " nodes (torvane-tune openings)\n";
    for (const std::string& line : tune::BalancedOpenings(c)) out << line << '\n';
    if (!out) throw std::runtime_error("cannot write " + o.at("--out"));
    return 0;
}

int Fit(const Options& o) {
    bool drops = o.count("--drops") > 0;
    auto samples = tune::ToSamples(tune::ReadPositions(o.at("--data")), drops);
    auto held = static_cast<std::ptrdiff_t>(samples.size()) * Number(o, "--held-out", 10) / 100;
    std::vector<tune::Sample> test(samples.end() - held, samples.end());
    samples.resize(samples.size() - static_cast<std::size_t>(held));
    tune::RealWeights start{};
    const engine::EvalWeights& current = engine::WeightsFor(drops);
    for (int i = 0; i < engine::kTermCount; ++i) start[i] = current[i];
    double k = tune::FitScale(samples, start);
    std::printf("%zu positions fitted, %zu held out; k = %.6f\n", samples.size(), test.size(), k);
    std::array<bool, engine::kTermCount> fixed{};
    fixed[engine::kVitalAttacked] = true;
    auto fitted = tune::FitWeights(
        samples, start, k, fixed, Number(o, "--iterations", 3000),
        [](int it, double mse) { std::fprintf(stderr, "iteration %d: mse %.6f\n", it, mse); });
    std::printf("mse fitted positions: %.6f before, %.6f after\n",
                tune::MeanSquaredError(samples, start, k),
                tune::MeanSquaredError(samples, fitted, k));
    std::printf("mse held-out positions: %.6f before, %.6f after\n",
                tune::MeanSquaredError(test, start, k), tune::MeanSquaredError(test, fitted, k));
    PrintWeights(fitted);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    std::string mode = argc > 1 ? argv[1] : "";
    if ((mode != "play" && mode != "fit" && mode != "openings") || !Parse(argc, argv, o)) {
        std::fputs(kUsage, mode == "--help" ? stdout : stderr);
        return mode == "--help" ? 0 : 2;
    }
    try {
        if (mode == "play" && o.count("--out")) return Play(o);
        if (mode == "fit" && o.count("--data")) return Fit(o);
        if (mode == "openings" && o.count("--out")) return Openings(o);
        std::fputs(kUsage, stderr);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
