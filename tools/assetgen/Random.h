#pragma once

#include <cstdint>

namespace torvane {

// Small seeded generator (SplitMix64). Its sequence is fixed by the seed alone, on every
// compiler and library, which keeps the generated pictures and sounds byte-identical.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform in [-1, 1).
    double Signed() { return 2.0 * Uniform() - 1.0; }

private:
    std::uint64_t state_;
};

}  // namespace torvane
