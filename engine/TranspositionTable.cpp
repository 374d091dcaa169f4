#include "engine/TranspositionTable.h"

#include <algorithm>

namespace torvane::engine {

namespace {

std::uint64_t Pack(const TtEntry& e) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(e.score)) |
           static_cast<std::uint64_t>(e.move) << 16 | static_cast<std::uint64_t>(e.depth) << 32 |
           static_cast<std::uint64_t>(e.bound) << 40;
}

TtEntry Unpack(std::uint64_t data) {
    return TtEntry{static_cast<std::int16_t>(data & 0xffff), static_cast<Move>(data >> 16 & 0xffff),
                   static_cast<std::uint8_t>(data >> 32 & 0xff),
                   static_cast<Bound>(data >> 40 & 0xff)};
}

}  // namespace

void TranspositionTable::Resize(int megabytes) {
    std::uint64_t bytes = static_cast<std::uint64_t>(std::clamp(megabytes, 1, 1024)) << 20;
    std::uint64_t count = 1;
    while (count * 2 * sizeof(Slot) <= bytes) count *= 2;
    slots_ = std::make_unique<Slot[]>(count);
    mask_ = count - 1;
}

void TranspositionTable::Clear() {
    for (std::uint64_t i = 0; i <= mask_; ++i) {
        slots_[i].check.store(0, std::memory_order_relaxed);
        slots_[i].data.store(0, std::memory_order_relaxed);
    }
}

std::optional<TtEntry> TranspositionTable::Probe(std::uint64_t key) const {
    const Slot& slot = slots_[key & mask_];
    std::uint64_t data = slot.data.load(std::memory_order_relaxed);
    if ((slot.check.load(std::memory_order_relaxed) ^ data) != key) return std::nullopt;
    TtEntry e = Unpack(data);
    if (e.bound == Bound::None) return std::nullopt;
    return e;
}

void TranspositionTable::Store(std::uint64_t key, int score, Move move, int depth, Bound bound) {
    Slot& slot = slots_[key & mask_];
    std::uint64_t old = slot.data.load(std::memory_order_relaxed);
    bool same = (slot.check.load(std::memory_order_relaxed) ^ old) == key;
    TtEntry previous = Unpack(old);
    if (same && depth < previous.depth && bound != Bound::Exact) return;
    if (move == kNoMove && same) move = previous.move;
    std::uint64_t data = Pack(
        TtEntry{static_cast<std::int16_t>(score), move, static_cast<std::uint8_t>(depth), bound});
    slot.check.store(key ^ data, std::memory_order_relaxed);
    slot.data.store(data, std::memory_order_relaxed);
}

}  // namespace torvane::engine
