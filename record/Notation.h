#pragma once

#include <string>

#include "record/GameResult.h"
#include "record/RecordedMove.h"

namespace torvane {

// "先手" or "後手".
std::string SideName(Side side);

// A board cell as a record names it: the full-width file digit and the kanji rank, "５五".
std::string SquareText(int cell);

// A move as shogi records write it, adapted to this game: the mover's mark (▲ Sente, △ Gote),
// the target as a full-width file digit (１–９, counted from the right) and a kanji rank
// (一–九, from the top), the animal's kanji, then the origin as two plain digits in brackets,
// or 打 for a drop: "▲５五犬(56)", "△４四鼠打".
std::string MoveText(const RecordedMove& move);

// A numbered line of the move list: "   1 ▲５五犬(56)   ( 0:05/00:01:23)", the number
// right-aligned in four columns, then the move's own time and the mover's total so far.
std::string MoveLine(int number, const RecordedMove& move, int moverTotalSeconds);

// The end of the game in words: "投了", "切れ負け", "先手の象が取られました",
// "後手の鼠がいなくなりました".
std::string ResultText(const GameResult& result);

// The numbered line that ends the move list: "  31 投了".
std::string ResultLine(int number, const GameResult& result);

// The closing line of a record: "まで30手で先手の勝ち".
std::string SummaryLine(int moves, const GameResult& result);

}  // namespace torvane
