#include "engine/UsiCommands.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <sstream>

#include "engine/MoveGen.h"
#include "engine/Sfen.h"

namespace torvane::engine {

namespace {

constexpr std::int64_t kMaxMs = 1'000'000'000'000;  // about 30 years

bool PlayMoves(const std::vector<std::string>& words, std::size_t first, bool drops,
               GamePosition& game, std::string& error) {
    for (std::size_t i = first; i < words.size(); ++i) {
        if (game.position.IsDecided())
            return error = "move " + words[i] + " after the game is over", false;
        auto move = FindLegalMove(game.position, drops, words[i]);
        if (!move) return error = "illegal move " + words[i], false;
        game.history.push_back(game.position.Hash());
        Undo undo;
        game.position.Make(*move, undo);
    }
    return true;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ParseNumber(const std::string& text, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
    const char* end = text.data() + text.size();
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end || text.empty()) return false;
    if (ec == std::errc::result_out_of_range)
        value = text[0] == '-' ? lo : hi;
    else if (ec != std::errc())
        return false;
    out = std::clamp(value, lo, hi);
    return true;
}

bool ParsePositionCommand(const std::vector<std::string>& words, bool drops, GamePosition& out,
                          std::string& error) {
    GamePosition game;
    std::size_t next = 1;
    if (!words.empty() && words[0] == "startpos") {
        game.position = StartPosition();
    } else if (!words.empty() && words[0] == "sfen") {
        auto movesAt = std::find(words.begin(), words.end(), "moves");
        std::string sfen;
        for (auto it = words.begin() + 1; it != movesAt; ++it) sfen += *it + " ";
        if (!ParseSfen(sfen, game.position, error)) return false;
        next = static_cast<std::size_t>(movesAt - words.begin());
    } else {
        return error = "position needs startpos or sfen", false;
    }
    if (next < words.size() && words[next] != "moves")
        return error = "unexpected '" + words[next] + "' in position", false;
    if (!PlayMoves(words, next + 1, drops, game, error)) return false;
    out = std::move(game);
    return true;
}

GoLimits ParseGoCommand(const std::vector<std::string>& words, std::vector<std::string>& warnings) {
    GoLimits limits;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& key = words[i];
        if (key == "infinite") {
            limits.infinite = true;
            continue;
        }
        std::int64_t* target = key == "btime"      ? &limits.time[0]
                               : key == "wtime"    ? &limits.time[1]
                               : key == "binc"     ? &limits.increment[0]
                               : key == "winc"     ? &limits.increment[1]
                               : key == "byoyomi"  ? &limits.byoyomi
                               : key == "movetime" ? &limits.movetime
                                                   : nullptr;
        bool counted = key == "depth" || key == "nodes";
        if (!target && !counted) {
            warnings.push_back("go: unknown parameter " + key);
            continue;
        }
        std::int64_t value = 0;
        if (i + 1 >= words.size() || !ParseNumber(words[i + 1], INT64_MIN, INT64_MAX, value)) {
            warnings.push_back("go: " + key + " needs a number");
            i += i + 1 < words.size();
            continue;
        }
        if (value < 0 || value > kMaxMs) {
            value = std::clamp<std::int64_t>(value, 0, kMaxMs);
            warnings.push_back("go: " + key + " " + words[i + 1] + " is out of range, using " +
                               std::to_string(value));
        }
        ++i;
        if (target)
            *target = value;
        else if (key == "depth")
            limits.depth = static_cast<int>(std::clamp<std::int64_t>(value, 1, 100));
        else
            limits.nodes = static_cast<std::uint64_t>(std::max<std::int64_t>(value, 1));
    }
    return limits;
}

}  // namespace torvane::engine
