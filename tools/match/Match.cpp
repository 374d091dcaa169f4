#include "Match.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "Game.h"

namespace torvane::match {

namespace {

void Count(Tally& tally, Outcome outcome, bool aIsSente) {
    if (outcome == Outcome::Draw)
        ++tally.draws;
    else if ((outcome == Outcome::SenteWins) == aIsSente)
        ++tally.wins;
    else
        ++tally.losses;
}

const char* ResultText(Outcome outcome) {
    switch (outcome) {
        case Outcome::SenteWins:
            return "1-0";
        case Outcome::GoteWins:
            return "0-1";
        case Outcome::Draw:
            break;
    }
    return "1/2-1/2";
}

std::string RecordOf(int g, bool aIsSente, const GameRecord& r) {
    std::string text = "# game " + std::to_string(g + 1) + ", A " + (aIsSente ? "sente" : "gote") +
                       ": " + ResultText(r.outcome) + ", " + r.reason + "\nposition startpos";
    if (!r.moves.empty()) text += " moves";
    for (const std::string& move : r.moves) text += " " + move;
    return text;
}

// What the threads share: the next game to play, the standing, and whether to stop.
struct Shared {
    std::atomic<int> next{0};
    std::atomic<bool> done{false};
    std::mutex mutex;
    Tally tally;
    std::string error;
};

void Worker(const MatchConfig& config, unsigned seed, Shared& shared,
            const std::function<void(const std::string&)>& report) {
    std::mt19937 random(seed);
    std::unique_ptr<Player> a, b;
    try {
        a = MakePlayer(config.a, config.aSettings, config.drops, random);
        b = MakePlayer(config.b, config.bSettings, config.drops, random);
    } catch (const std::exception& e) {
        std::lock_guard lock(shared.mutex);
        shared.error = e.what();
        shared.done = true;
        return;
    }
    while (!shared.done) {
        int g = shared.next++;
        if (g >= config.games) return;
        bool aIsSente = g % 2 == 0;
        const Opening& opening =
            config.openings[static_cast<std::size_t>(g / 2) % config.openings.size()];
        GameRecord r = aIsSente ? PlayGame(*a, *b, opening, config.drops, config.maxPlies)
                                : PlayGame(*b, *a, opening, config.drops, config.maxPlies);
        std::lock_guard lock(shared.mutex);
        if (shared.done) return;  // the test was decided while this game ran
        Count(shared.tally, r.outcome, aIsSente);
        if (config.record) config.record(RecordOf(g, aIsSente, r));
        std::string line = "game " + std::to_string(g + 1) + " (A " +
                           (aIsSente ? "sente" : "gote") + "): " + std::to_string(r.plies) +
                           " plies, " + r.reason + "; " + EloSummary(shared.tally);
        if (config.sprt) {
            line += "; " + config.sprt->Summary(shared.tally);
            if (config.sprt->Judge(shared.tally) != Sprt::Verdict::Continue) shared.done = true;
        }
        report(line);
    }
}

}  // namespace

Tally RunMatch(const MatchConfig& config, const std::function<void(const std::string&)>& report) {
    Shared shared;
    std::vector<std::thread> threads;
    for (int j = 0; j < std::max(1, config.jobs); ++j)
        threads.emplace_back(Worker, std::cref(config), config.seed + static_cast<unsigned>(j),
                             std::ref(shared), std::cref(report));
    for (std::thread& t : threads) t.join();
    if (!shared.error.empty()) throw std::runtime_error(shared.error);
    return shared.tally;
}

}  // namespace torvane::match
