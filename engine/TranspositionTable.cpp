#include "engine/TranspositionTable.h"

#include <algorithm>

namespace torvane::engine {

void TranspositionTable::Resize(int megabytes) {
    std::uint64_t bytes = static_cast<std::uint64_t>(std::clamp(megabytes, 1, 1024)) << 20;
    std::uint64_t count = 1;
    while (count * 2 * sizeof(TtEntry) <= bytes) count *= 2;
    entries_.assign(count, TtEntry{});
    mask_ = count - 1;
}

void TranspositionTable::Clear() {
    std::fill(entries_.begin(), entries_.end(), TtEntry{});
}

const TtEntry* TranspositionTable::Probe(std::uint64_t key) const {
    const TtEntry& e = entries_[key & mask_];
    return e.key == key && e.bound != Bound::None ? &e : nullptr;
}

void TranspositionTable::Store(std::uint64_t key, int score, Move move, int depth, Bound bound) {
    TtEntry& e = entries_[key & mask_];
    if (e.key == key && depth < e.depth && bound != Bound::Exact) return;
    if (move == kNoMove && e.key == key) move = e.move;
    e = TtEntry{key, static_cast<std::int16_t>(score), move, static_cast<std::uint8_t>(depth),
                bound};
}

}  // namespace torvane::engine
