#pragma once

#include <string>
#include <string_view>

#include "engine/Position.h"

namespace torvane::engine {

inline constexpr std::string_view kStartSfen =
    "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 1";

// The position string: nine rows from the top, each from column 0, uppercase for Sente;
// the side to move ("b" Sente, "w" Gote); the hands ("-" or e.g. "2DRe"); the move number.
std::string FormatSfen(const Position& pos);

// Reads the four fields (the move number may be left out). On failure returns false, leaves
// `out` alone and says what is wrong in `error`.
bool ParseSfen(std::string_view text, Position& out, std::string& error);

Position StartPosition();

}  // namespace torvane::engine
