#include "engine/Zobrist.h"

namespace torvane::engine {

namespace {

// SplitMix64: a fixed seed gives the same keys in every run, so hashes are reproducible.
constexpr std::uint64_t NextKey(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr ZobristKeys BuildKeys() {
    ZobristKeys keys;
    std::uint64_t state = 0x746f7276616e65ULL;
    for (auto& row : keys.piece)
        for (auto& key : row) key = NextKey(state);
    for (auto& side : keys.hand)
        for (auto& kind : side)
            for (auto& key : kind) key = NextKey(state);
    keys.goteToMove = NextKey(state);
    return keys;
}

}  // namespace

constexpr ZobristKeys kZobrist = BuildKeys();

}  // namespace torvane::engine
