#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "rules/Side.h"

namespace torvane {

// One numbered line of a record's move list as it is written, before the rules look at it:
// either a move ("  12 ▲５五犬(56)   ( 0:05/00:01:23)", "同　犬(56)", "４四鼠打") or the
// words of the result ("  31 投了").
struct NumberedLine {
    int number = 0;
    std::optional<Side> mark;  // ▲ or △ when the line has one
    bool sameTarget = false;   // 同: the target of the previous move
    int to = -1;               // target cell, unless `sameTarget`
    int from = -1;             // origin cell; -1 for a drop (打)
    int kind = 0;              // PieceKind
    int seconds = 0;           // the move's own time; 0 when the line gives none
    std::string resultWords;   // not empty on a result line, which has no move
};

// The numbered line `line` (its first non-blank character is an ASCII digit), or why it cannot
// be read, in Japanese.
std::variant<NumberedLine, std::string> ParseNumberedLine(std::string_view line);

// A move alone as `MoveText` writes it, "▲５五犬(56)" or "△４四鼠打", its mark required and
// no 同: the mover, target, kind and origin, or nothing.
std::optional<NumberedLine> ParseMoveText(std::string_view text);

}  // namespace torvane
