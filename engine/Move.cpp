#include "engine/Move.h"

#include <cctype>

#include "engine/Piece.h"
#include "engine/Square.h"

namespace torvane::engine {

std::string MoveName(Move m) {
    if (m == kNoMove) return "none";
    if (IsDrop(m)) {
        char letter = static_cast<char>(std::toupper(kKindLetters[DropKindOf(m)]));
        return std::string{letter, '*'} + SquareName(ToOf(m));
    }
    return SquareName(FromOf(m)) + SquareName(ToOf(m));
}

}  // namespace torvane::engine
