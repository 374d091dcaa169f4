#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Position.h"
#include "engine/TimeManager.h"

namespace torvane::engine {

// The position a `position` command sets up and the hashes of the positions before it, for
// the search's repetition test.
struct GamePosition {
    Position position;
    std::vector<std::uint64_t> history;
};

// `position startpos|sfen <4 fields> [moves m1 m2 ...]` split into words (without "position").
// On a bad position or move: false, with the reason in `error`.
bool ParsePositionCommand(const std::vector<std::string>& words, bool drops, GamePosition& out,
                          std::string& error);

// `go` and its parameters (without "go"). Unknown words and bad numbers are named in
// `warnings` and otherwise ignored; numbers are clamped to sensible ranges.
GoLimits ParseGoCommand(const std::vector<std::string>& words, std::vector<std::string>& warnings);

// A whole number in [lo, hi] (clamped), or false when `text` is not one.
bool ParseNumber(const std::string& text, std::int64_t lo, std::int64_t hi, std::int64_t& out);

std::vector<std::string> SplitWords(const std::string& line);

}  // namespace torvane::engine
