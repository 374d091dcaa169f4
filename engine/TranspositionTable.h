#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/Move.h"

namespace torvane::engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TtEntry {
    std::int16_t score = 0;
    Move move = kNoMove;
    std::uint8_t depth = 0;
    Bound bound = Bound::None;
};

// One entry per slot, indexed by the low bits of the Zobrist hash and checked by the whole key.
// A deeper result or a different position replaces the slot. Several searches may read and
// write it at once: a slot keeps its entry and its key XOR the entry in two words, so that a
// slot half written by another thread fails the check and reads as empty.
class TranspositionTable {
public:
    explicit TranspositionTable(int megabytes = 16) { Resize(megabytes); }

    // Neither may run while a search uses the table.
    void Resize(int megabytes);
    void Clear();

    std::optional<TtEntry> Probe(std::uint64_t key) const;
    // Starts loading the slot of `key` into the cache, for a probe a little later.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&slots_[key & mask_]); }
    void Store(std::uint64_t key, int score, Move move, int depth, Bound bound);

private:
    struct Slot {
        std::atomic<std::uint64_t> check{0};  // the key XOR data
        std::atomic<std::uint64_t> data{0};
    };

    std::unique_ptr<Slot[]> slots_;
    std::uint64_t mask_ = 0;
};

}  // namespace torvane::engine
