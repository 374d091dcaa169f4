#include "engine/Piece.h"

#include <cctype>

namespace torvane::engine {

int KindOfLetter(char letter) {
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (int k = 0; k < kKindCount; ++k)
        if (kKindLetters[k] == lower) return k;
    return -1;
}

}  // namespace torvane::engine
