#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace torvane::engine {

// A set of cells 0..80 as bits of two words, so that a kind's few pieces are found without
// looking at every piece.
class CellSet {
public:
    void Toggle(int sq) { words_[sq >> 6] ^= std::uint64_t{1} << (sq & 63); }

    // Writes the cells to `out` in increasing order and returns how many there are.
    int Write(std::uint8_t* out) const {
        int n = 0;
        for (int w = 0; w < 2; ++w)
            for (std::uint64_t bits = words_[w]; bits != 0; bits &= bits - 1)
                out[n++] = static_cast<std::uint8_t>(w * 64 + std::countr_zero(bits));
        return n;
    }

    bool operator==(const CellSet&) const = default;

private:
    std::array<std::uint64_t, 2> words_{};
};

}  // namespace torvane::engine
