#include "rules/PieceLetters.h"

#include <string_view>

namespace torvane {

namespace {

// Gote's letters, in the order of `kAllKinds` (weakest first).
constexpr std::string_view kLetters = "rdwpcbtle";
static_assert(kLetters.size() == std::size(kAllKinds));

constexpr char Upper(char letter) {
    return static_cast<char>(letter - 'a' + 'A');
}

}  // namespace

char LetterOf(int kind, Side side) {
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        if (kAllKinds[i] == kind) return side == Side::Sente ? Upper(kLetters[i]) : kLetters[i];
    return '?';
}

PieceKind KindOfLetter(char letter) {
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        if (letter == kLetters[i] || letter == Upper(kLetters[i])) return kAllKinds[i];
    return NoPiece;
}

}  // namespace torvane
