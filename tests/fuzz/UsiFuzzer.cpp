// The engine's command reader, fed arbitrary lines: `position` with any SFEN and moves,
// `go` with any parameters, `setoption` and junk. A position that is read must write out as
// an SFEN that reads back as the same position; `go` runs a search bounded to two plies and a
// few hundred nodes, whose move must be legal, and `go perft` counts at most two plies, the
// same split by first move as whole.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/MoveGen.h"
#include "engine/Perft.h"
#include "engine/Search.h"
#include "engine/Sfen.h"
#include "engine/UsiCommands.h"

using namespace torvane::engine;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

struct Session {
    GamePosition game{StartPosition(), {}};
    bool drops = false;
    int level = kMaxLevel;
    int searches = 0;  // each input runs only the first two searches it asks for
};

TranspositionTable& Table() {
    static TranspositionTable tt(1);
    return tt;
}

void Position(Session& s, const std::vector<std::string>& words) {
    GamePosition game;
    std::string error;
    if (!ParsePositionCommand(words, s.drops, game, error)) return Check(!error.empty());
    torvane::engine::Position again;
    Check(ParseSfen(FormatSfen(game.position), again, error) && again == game.position);
    s.game = std::move(game);
}

void Perft(Session& s, const std::vector<std::string>& words) {
    std::int64_t depth = 0;
    if (words.size() != 2 || !ParseNumber(words[1], 1, 2, depth)) return;
    torvane::engine::Position pos = s.game.position;
    std::uint64_t total = 0;
    for (auto [move, count] : PerftDivide(pos, static_cast<int>(depth), s.drops)) total += count;
    Check(total == Perft(pos, static_cast<int>(depth), s.drops) && pos == s.game.position);
}

void CheckLimits(const GoLimits& limits) {
    for (std::int64_t ms : {limits.time[0], limits.time[1], limits.increment[0],
                            limits.increment[1], limits.byoyomi, limits.movetime})
        Check(ms >= 0 && ms <= 1'000'000'000'000);
    Check(limits.depth >= 0 && limits.depth <= 100);
}

void Go(Session& s, const std::vector<std::string>& words) {
    if (!words.empty() && words[0] == "perft") return Perft(s, words);
    std::vector<std::string> warnings;
    GoLimits limits = ParseGoCommand(words, warnings);
    CheckLimits(limits);
    if (++s.searches > 2) return;
    limits.infinite = false;
    limits.depth = std::clamp(limits.depth, 1, 2);
    limits.nodes = limits.nodes == 0 ? 500 : std::min<std::uint64_t>(limits.nodes, 500);
    Table().Clear();
    auto search = std::make_unique<Search>(Table(), 1);
    std::atomic<bool> stop{false};
    SearchRequest request{s.game.position, s.game.history, limits, s.drops, s.level};
    SearchResult result = search->Run(request, stop, [](const std::string&) {});
    if (result.best == kNoMove) {
        Check(s.game.position.IsDecided() || CountMoves(s.game.position, s.drops) == 0);
        return;
    }
    Check(FindLegalMove(s.game.position, s.drops, MoveName(result.best)) == result.best);
}

void SetOption(Session& s, const std::vector<std::string>& words) {
    if (words.size() != 4 || words[0] != "name" || words[2] != "value") return;
    std::int64_t number = 0;
    if (words[1] == "CapturedPieces") s.drops = words[3] == "true";
    if (words[1] == "Level" && ParseNumber(words[3], kMinLevel, kMaxLevel, number))
        s.level = static_cast<int>(number);
}

void Handle(Session& s, const std::string& line) {
    std::vector<std::string> words = SplitWords(line);
    if (words.empty()) return;
    std::string command = words.front();
    words.erase(words.begin());
    if (command == "position") return Position(s, words);
    if (command == "go") return Go(s, words);
    if (command == "setoption") return SetOption(s, words);
    std::int64_t number = 0;
    if (ParseNumber(command, -5, 5, number)) Check(number >= -5 && number <= 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Session session;
    std::size_t start = 0;
    for (int lines = 0; start <= text.size() && lines < 16; ++lines) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        Handle(session, text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
