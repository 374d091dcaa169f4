#include "engine/Square.h"

namespace torvane::engine {

std::string SquareName(int sq) {
    return {static_cast<char>('0' + 9 - sq % 9), static_cast<char>('a' + sq / 9)};
}

std::optional<int> ParseSquare(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    int file = text[0] - '0', rank = text[1] - 'a';
    if (file < 1 || file > 9 || rank < 0 || rank > 8) return std::nullopt;
    return rank * 9 + (9 - file);
}

}  // namespace torvane::engine
