#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace torvane {

// The fuzz input read as a script: one byte at a time, or a run of bytes. Once it runs dry
// every read gives zero, so a script always ends.
class FuzzInput {
public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return bytes_.empty(); }
    std::uint8_t Byte() {
        if (bytes_.empty()) return 0;
        std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }
    bool Bit() { return (Byte() & 1) != 0; }
    std::span<const std::uint8_t> Take(std::size_t n) {
        n = std::min(n, bytes_.size());
        std::span<const std::uint8_t> run = bytes_.first(n);
        bytes_ = bytes_.subspan(n);
        return run;
    }
    // A short string of at most `maxLength` bytes, as typed text.
    std::string Text(std::size_t maxLength) {
        std::span<const std::uint8_t> run = Take(Byte() % (maxLength + 1));
        return std::string(run.begin(), run.end());
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace torvane
