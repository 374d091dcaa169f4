#pragma once

#include <cstdint>
#include <vector>

#include "engine/Move.h"

namespace torvane::engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TtEntry {
    std::uint64_t key = 0;
    std::int16_t score = 0;
    Move move = kNoMove;
    std::uint8_t depth = 0;
    Bound bound = Bound::None;
};

// One entry per slot, indexed by the low bits of the Zobrist hash and checked by the whole key.
// A deeper result or a different position replaces the slot.
class TranspositionTable {
public:
    explicit TranspositionTable(int megabytes = 16) { Resize(megabytes); }

    void Resize(int megabytes);
    void Clear();
    const TtEntry* Probe(std::uint64_t key) const;
    // Starts loading the slot of `key` into the cache, for a probe a little later.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&entries_[key & mask_]); }
    void Store(std::uint64_t key, int score, Move move, int depth, Bound bound);

private:
    std::vector<TtEntry> entries_;
    std::uint64_t mask_ = 0;
};

}  // namespace torvane::engine
