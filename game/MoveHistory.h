#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/PlayState.h"
#include "record/GameResult.h"
#include "record/RecordFile.h"
#include "record/RecordedMove.h"

namespace torvane {

// The record of the game on the board: its header, every move with the state before it, and
// how the game ended.
class MoveHistory {
public:
    struct Entry {
        RecordedMove move;
        PlayState before;
    };

    // A new game with no moves yet.
    void Start(RecordHeader header);
    RecordHeader& header() { return header_; }
    const RecordHeader& header() const { return header_; }

    void Add(const RecordedMove& move, PlayState before);
    // The first end a game reaches is its end; later reports of the same game are ignored.
    void SetResult(const GameResult& result);
    // Removes the last move, and with it the end of the game; returns it.
    Entry TakeBackLast();

    const std::vector<Entry>& entries() const { return entries_; }
    const std::optional<GameResult>& result() const { return result_; }
    // The time the mover of move `index` has spent up to and including it.
    int MoverTotalSeconds(std::size_t index) const;
    GameRecord ToRecord() const;

    // Changes with every change, so a view knows when to show the history again.
    std::uint64_t version() const { return version_; }

private:
    RecordHeader header_;
    std::vector<Entry> entries_;
    std::optional<GameResult> result_;
    std::uint64_t version_ = 0;
};

}  // namespace torvane
