#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record/GameResult.h"
#include "record/RecordedMove.h"

namespace torvane {

// What a record says about its game besides the moves.
struct RecordHeader {
    std::string started;  // "2026/12/08 10:15:00", local time
    std::string sente = "先手";
    std::string gote = "後手";
    bool capturedPiecesUsed = false;
    bool timeLimitOn = true;

    bool operator==(const RecordHeader&) const = default;
};

// A whole game as a file keeps it.
struct GameRecord {
    RecordHeader header;
    std::vector<RecordedMove> moves;
    std::optional<GameResult> result;

    bool operator==(const GameRecord&) const = default;
};

// Files larger than this, or with more moves, are refused.
inline constexpr std::size_t kMaxRecordBytes = 1 << 20;
inline constexpr int kMaxRecordMoves = 10000;

// `.kifu` is UTF-8 text; `.kif` is Shift_JIS (code page 932).
enum class RecordEncoding { Utf8, ShiftJis };

// The text of a `.kifu` file: the header lines (`key：value`, with the final position as the
// engine's position string), one line per move and the result. The moves must be legal.
std::string WriteRecord(const GameRecord& record);

// Why a file was refused: its 1-based line (0 for the file as a whole) and the reason in
// Japanese, fit to be shown to the player.
struct RecordError {
    int line = 0;
    std::string message;
};

// Reads a record and checks every move with the game's rules from the start position, and the
// final position when the header gives one. Fails on the first bad line.
std::variant<GameRecord, RecordError> ReadRecord(std::string_view bytes, RecordEncoding encoding);

}  // namespace torvane
