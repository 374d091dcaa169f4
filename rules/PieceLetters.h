#pragma once

#include "rules/PieceKind.h"
#include "rules/Side.h"

namespace torvane {

// The one letter of each kind in the engine's position strings and drop moves: uppercase for
// Sente, lowercase for Gote. '?' for a code that is no kind.
char LetterOf(int kind, Side side);

// The kind a letter of either case names; NoPiece for any other character. The case says whose
// piece it is (SideOfLetter).
PieceKind KindOfLetter(char letter);

inline constexpr Side SideOfLetter(char letter) {
    return letter >= 'A' && letter <= 'Z' ? Side::Sente : Side::Gote;
}

}  // namespace torvane
