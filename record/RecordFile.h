#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record/GameResult.h"
#include "record/PositionAnalysis.h"
#include "record/RecordedMove.h"
#include "rules/BoardPosition.h"
#include "rules/StartBoard.h"

namespace torvane {

// What a record says about its game besides the moves.
struct RecordHeader {
    std::string started;  // "2026/12/08 10:15:00", local time
    std::string sente = "先手";
    std::string gote = "後手";
    bool capturedPiecesUsed = false;
    bool timeLimitOn = true;
    // The position the game starts from: the start position, or one set up by hand.
    BoardPosition start{StartBoard()};

    bool operator==(const RecordHeader&) const = default;
};

// A whole game as a file keeps it.
struct GameRecord {
    RecordHeader header;
    std::vector<RecordedMove> moves;
    std::optional<GameResult> result;
    // The engine's analysis of the positions it has judged, by the number of moves that lead
    // to each (0: the start position).
    std::map<int, PositionAnalysis> analysis = {};

    bool operator==(const GameRecord&) const = default;
};

// Files larger than this, or with more moves, are refused.
inline constexpr std::size_t kMaxRecordBytes = 1 << 20;
inline constexpr int kMaxRecordMoves = 10000;

// `.kifu` is UTF-8 text; `.kif` is Shift_JIS (code page 932).
enum class RecordEncoding { Utf8, ShiftJis };

// The text of a `.kifu` file: the header lines (`key：value`, with a position set up by hand
// that the game starts from and the final position as the engine's position strings), one line
// per move and the result. The moves must be legal. The analysis of each position follows the
// move that leads to it as a comment line (AnalysisComment.h); it is left out when the file
// would grow too large to be read back.
std::string WriteRecord(const GameRecord& record);

// Why a file was refused: its 1-based line (0 for the file as a whole) and the reason in
// Japanese, fit to be shown to the player.
struct RecordError {
    int line = 0;
    std::string message;
};

// Reads a record and checks every move with the game's rules from the start position, or from
// the position of its 開始局面 header, which must be one a game can start from (CheckSetUp; its
// move number is taken as 1), and the final position when the header gives one. Fails on the
// first bad line.
//
// Accepted besides what `WriteRecord` writes: a UTF-8 byte order mark, CRLF line ends, blank
// lines, comments ('#' or '*' first), the column titles (手数…) and the closing line (まで…),
// headers with an ASCII ':' and headers of other keys (ignored), spaces around header values
// (dropped), move lines without the mover's mark or the time, "同" or "同　" for the previous
// move's target, and a '+' after a move. The known headers come before the first move; a
// missing 持ち駒 means captured pieces were not used (the game's own default), a missing
// 時間制限 means the limit was on, missing names are 先手 and 後手. A numbered line that is
// not a move is the result and ends the moves: 投了 and 切れ負け are the side to move's loss,
// the losses of an Elephant or the Rats must be what the position shows. An analysis comment
// belongs to the position after the moves before it; a damaged one, or a second one for the
// same position, is skipped like any other comment.
std::variant<GameRecord, RecordError> ReadRecord(std::string_view bytes, RecordEncoding encoding);

}  // namespace torvane
