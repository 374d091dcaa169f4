#include "game/MoveHistory.h"

#include <utility>

namespace torvane {

void MoveHistory::Start(RecordHeader header) {
    header_ = std::move(header);
    entries_.clear();
    result_.reset();
    ++version_;
}

void MoveHistory::Add(const RecordedMove& move, PlayState before) {
    entries_.push_back({move, std::move(before)});
    ++version_;
}

void MoveHistory::SetResult(const GameResult& result) {
    if (result_) return;
    result_ = result;
    ++version_;
}

MoveHistory::Entry MoveHistory::TakeBackLast() {
    Entry last = std::move(entries_.back());
    entries_.pop_back();
    result_.reset();
    ++version_;
    return last;
}

int MoveHistory::MoverTotalSeconds(std::size_t index) const {
    int total = 0;
    for (std::size_t i = index % 2; i <= index; i += 2) total += entries_[i].move.seconds;
    return total;
}

GameRecord MoveHistory::ToRecord() const {
    GameRecord record{header_, {}, result_};
    record.moves.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        record.moves.push_back(entry.move);
        if (entry.move.IsDrop()) record.header.capturedPiecesUsed = true;
    }
    return record;
}

}  // namespace torvane
