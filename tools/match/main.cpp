// Plays two players against each other through USI and prints wins, draws, losses, the score
// and an Elo estimate with its error bar; with --sprt it stops once the test decides.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>

#include "Match.h"

using namespace torvane;

namespace {

constexpr const char* kUsage = R"(usage: torvane-match [options]
Plays player A against player B, each opening once from either side, and prints
W/D/L, score and Elo of A with its 95 % error bar.

Players (--a, --b):
  level:N           the engine (--engine) at level N, on one thread below the top level
                    (as the window plays it; --a-opt Threads=N overrides)
  greedy            takes the most valuable piece it can, wins when it can
  random            any legal move
  'path [args]'     any USI engine, run with these arguments
Options:
  --a PLAYER, --b PLAYER the two players (default level:10 and greedy)
  --a-opt Name=Value     setoption for A before the games (repeatable; --b-opt for B)
  --engine PATH          the engine for level:N (default: torvane-engine beside this
                         program, else build/engine/torvane-engine)
  --games N              games to play (default 100)
  --go "PARAMS"          what each move is searched with (default "movetime 100")
  --a-go "PARAMS"        the same for A alone (--b-go for B), e.g. each level's time
  --jobs N               games played at once (default 1)
  --drops                captured pieces may be dropped
  --openings FILE        openings, one a line of USI moves; default: the balanced openings
                         shipped with the runner (openings.txt, with --drops
                         openings-drops.txt); "random": random ones
  --opening-plies N      length of the random openings (default 6)
  --max-plies N          a game this long is adjudicated a draw (default 400)
  --timeout MS           a move that takes longer loses (default 30000)
  --sprt ELO0,ELO1       stop as soon as a sequential test decides between the two
  --alpha A, --beta B    its error rates (default 0.05 each)
  --seed N               seed of the openings and the simple players (default 1)
  --record FILE          write every game's moves to FILE, as a USI position command
  --help                 this text
)";

struct Options {
    std::map<std::string, std::string> values{
        {"--a", "level:10"},      {"--b", "greedy"},      {"--games", "100"},
        {"--go", "movetime 100"}, {"--jobs", "1"},        {"--openings", ""},
        {"--opening-plies", "6"}, {"--max-plies", "400"}, {"--timeout", "30000"},
        {"--sprt", ""},           {"--alpha", "0.05"},    {"--beta", "0.05"},
        {"--seed", "1"},          {"--engine", ""},       {"--a-go", ""},
        {"--b-go", ""},           {"--record", ""}};
    std::vector<std::string> aOptions, bOptions;
    bool drops = false;
    bool help = false;
    int Number(const std::string& key) const { return std::stoi(values.at(key)); }
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string key = argv[i];
        bool hasValue = i + 1 < argc;
        if (key == "--drops") {
            options.drops = true;
        } else if (key == "--help" || key == "-h") {
            options.help = true;
        } else if ((key == "--a-opt" || key == "--b-opt") && hasValue) {
            (key == "--a-opt" ? options.aOptions : options.bOptions).push_back(argv[++i]);
        } else if (options.values.count(key) && hasValue) {
            options.values[key] = argv[++i];
        } else {
            std::fprintf(stderr, "unknown or incomplete option %s (see --help)\n", key.c_str());
            return false;
        }
    }
    return true;
}

// torvane-engine beside this program, then where a build tree puts it.
std::string DefaultEngine() {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    std::vector<fs::path> candidates;
    if (!error) {
        candidates.push_back(self.parent_path() / "torvane-engine");
        candidates.push_back(self.parent_path() / "../../engine/torvane-engine");
    }
    candidates.push_back("build/engine/torvane-engine");
    for (const fs::path& p : candidates)
        if (access(p.c_str(), X_OK) == 0) return fs::weakly_canonical(p, error).string();
    return candidates.back().string();
}

std::optional<match::Sprt> ParseSprt(const Options& o) {
    const std::string& text = o.values.at("--sprt");
    if (text.empty()) return std::nullopt;
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) throw std::invalid_argument("--sprt needs ELO0,ELO1");
    match::Sprt sprt;
    sprt.elo0 = std::stod(text.substr(0, comma));
    sprt.elo1 = std::stod(text.substr(comma + 1));
    sprt.alpha = std::stod(o.values.at("--alpha"));
    sprt.beta = std::stod(o.values.at("--beta"));
    if (sprt.elo1 <= sprt.elo0 || sprt.alpha <= 0 || sprt.beta <= 0 || sprt.alpha >= 0.5 ||
        sprt.beta >= 0.5)
        throw std::invalid_argument("--sprt needs ELO0 < ELO1 and error rates in (0, 0.5)");
    return sprt;
}

match::MatchConfig Configure(const Options& o) {
    const auto& v = o.values;
    match::MatchConfig c;
    c.a = v.at("--a");
    c.b = v.at("--b");
    std::string engine = v.at("--engine").empty() ? DefaultEngine() : v.at("--engine");
    for (auto [settings, options, go] : {std::tuple{&c.aSettings, &o.aOptions, v.at("--a-go")},
                                         std::tuple{&c.bSettings, &o.bOptions, v.at("--b-go")}})
        *settings = {engine, *options, go.empty() ? v.at("--go") : go, o.Number("--timeout")};
    c.drops = o.drops;
    c.games = o.Number("--games");
    c.maxPlies = o.Number("--max-plies");
    c.jobs = o.Number("--jobs");
    c.seed = static_cast<unsigned>(o.Number("--seed"));
    c.sprt = ParseSprt(o);
    std::string openings = v.at("--openings");
    if (openings.empty())
        openings = std::string(TORVANE_MATCH_OPENINGS_DIR) +
                   (c.drops ? "/openings-drops.txt" : "/openings.txt");
    c.openings =
        openings == "random"
            ? match::RandomOpenings((c.games + 1) / 2, o.Number("--opening-plies"), c.drops, c.seed)
            : match::ReadOpenings(openings, c.drops);
    return c;
}

// What each move was searched with: one text when both players share it.
std::string TimesText(const match::MatchConfig& c) {
    if (c.aSettings.goArgs == c.bSettings.goArgs) return c.aSettings.goArgs;
    return "A " + c.aSettings.goArgs + ", B " + c.bSettings.goArgs;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) return 2;
    if (o.help) return std::fputs(kUsage, stdout), 0;
    try {
        match::MatchConfig config = Configure(o);
        std::ofstream record;
        if (const std::string& path = o.values.at("--record"); !path.empty()) {
            record.open(path);
            if (!record) throw std::runtime_error("cannot write the record " + path);
            config.record = [&record](const std::string& game) { record << game << std::endl; };
        }
        match::Tally tally = match::RunMatch(
            config, [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
        std::printf("%s vs %s (%s%s), %d games: %s\n", config.a.c_str(), config.b.c_str(),
                    TimesText(config).c_str(), config.drops ? ", drops" : "", tally.Games(),
                    match::EloSummary(tally).c_str());
        if (config.sprt) std::printf("%s\n", config.sprt->Summary(tally).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
