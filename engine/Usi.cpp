#include "engine/Usi.h"

#include <climits>
#include <istream>
#include <ostream>
#include <random>

#include "engine/Bench.h"
#include "engine/Perft.h"
#include "engine/Sfen.h"
#include "engine/UsiCommands.h"

namespace torvane::engine {

namespace {

constexpr std::size_t kMaxLineLength = 1 << 16;
constexpr int kMaxPerftDepth = 7;

}  // namespace

Usi::Usi(std::ostream& out)
    : out_(out), position_(StartPosition()), search_(tt_, std::random_device{}()) {
    search_.SetThreads(DefaultThreads());
}

Usi::~Usi() {
    StopSearch();
}

void Usi::Write(const std::string& line) {
    std::lock_guard lock(outMutex_);
    out_ << line << '\n' << std::flush;
}

void Usi::Run(std::istream& in) {
    std::string line;
    while (std::getline(in, line))
        if (!Handle(line)) return;
    if (infinite_) StopSearch();
    WaitForSearch();
}

bool Usi::Handle(const std::string& line) {
    if (line.size() > kMaxLineLength) {
        Write("info string line of " + std::to_string(line.size()) + " characters ignored");
        return true;
    }
    std::vector<std::string> words = SplitWords(line);
    if (words.empty()) return true;
    std::string command = words.front();
    words.erase(words.begin());
    if (command == "usi")
        Identify();
    else if (command == "isready")
        Write("readyok");
    else if (command == "setoption")
        SetOption(words);
    else if (command == "usinewgame")
        StopSearch(), tt_.Clear();
    else if (command == "position")
        SetPosition(words);
    else if (command == "go")
        Go(words);
    else if (command == "stop")
        StopSearch();
    else if (command == "bench")
        StopSearch(), RunBench([this](const std::string& s) { Write(s); });
    else if (command == "quit")
        return StopSearch(), false;
    else if (command != "ponderhit" && command != "gameover")
        Write("info string unknown command " + command);
    return true;
}

void Usi::Identify() {
    Write("id name Torvane Engine");
    Write("id author Torvane developers");
    Write("option name CapturedPieces type check default false");
    Write("option name Level type spin default " + std::to_string(kMaxLevel) + " min " +
          std::to_string(kMinLevel) + " max " + std::to_string(kMaxLevel));
    Write("option name MultiPV type spin default 1 min 1 max " + std::to_string(kMaxMultiPv));
    Write("option name Threads type spin default " + std::to_string(DefaultThreads()) +
          " min 1 max " + std::to_string(kMaxThreads));
    Write("option name USI_Hash type spin default 16 min 1 max 1024");
    Write("usiok");
}

void Usi::SetOption(const std::vector<std::string>& words) {
    if (words.size() != 4 || words[0] != "name" || words[2] != "value") {
        Write("info string setoption needs: name <name> value <value>");
        return;
    }
    StopSearch();
    const std::string& name = words[1];
    const std::string& value = words[3];
    std::int64_t number = 0;
    if (name == "CapturedPieces" && (value == "true" || value == "false")) {
        drops_ = value == "true";
    } else if (name == "Level" && ParseNumber(value, kMinLevel, kMaxLevel, number)) {
        level_ = static_cast<int>(number);
    } else if (name == "MultiPV" && ParseNumber(value, 1, kMaxMultiPv, number)) {
        multiPv_ = static_cast<int>(number);
    } else if (name == "Threads" && ParseNumber(value, 1, kMaxThreads, number)) {
        search_.SetThreads(static_cast<int>(number));
    } else if (name == "USI_Hash" && ParseNumber(value, 1, 1024, number)) {
        tt_.Resize(static_cast<int>(number));
    } else {
        Write("info string bad option " + name + " value " + value);
    }
}

void Usi::SetPosition(const std::vector<std::string>& words) {
    StopSearch();
    GamePosition game;
    std::string error;
    if (!ParsePositionCommand(words, drops_, game, error)) {
        Write("info string " + error + "; the position is unchanged");
        return;
    }
    position_ = game.position;
    history_ = std::move(game.history);
}

void Usi::Go(const std::vector<std::string>& words) {
    StopSearch();
    if (!words.empty() && words[0] == "perft") {
        GoPerft(words);
        return;
    }
    std::vector<std::string> warnings;
    GoLimits limits = ParseGoCommand(words, warnings);
    for (const std::string& w : warnings) Write("info string " + w);
    StartSearch(limits);
}

void Usi::GoPerft(const std::vector<std::string>& words) {
    std::int64_t depth = 0;
    if (words.size() != 2 || !ParseNumber(words[1], INT64_MIN, INT64_MAX, depth) || depth < 1 ||
        depth > kMaxPerftDepth) {
        Write("info string go perft needs a depth from 1 to " + std::to_string(kMaxPerftDepth));
        return;
    }
    Position pos = position_;
    std::uint64_t total = 0;
    for (auto [move, count] : PerftDivide(pos, static_cast<int>(depth), drops_)) {
        Write(MoveName(move) + ": " + std::to_string(count));
        total += count;
    }
    Write("Nodes searched: " + std::to_string(total));
}

void Usi::StartSearch(const GoLimits& limits) {
    SearchRequest request{position_, history_, limits, drops_, level_, multiPv_};
    stop_ = false;
    infinite_ = limits.infinite;
    worker_ = std::thread([this, request] {
        SearchResult result =
            search_.Run(request, stop_, [this](const std::string& s) { Write(s); });
        Write("bestmove " +
              (result.best == kNoMove ? std::string("resign") : MoveName(result.best)));
    });
}

void Usi::StopSearch() {
    stop_ = true;
    WaitForSearch();
}

void Usi::WaitForSearch() {
    if (worker_.joinable()) worker_.join();
    infinite_ = false;
}

}  // namespace torvane::engine
