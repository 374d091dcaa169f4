#include "engine/Evaluation.h"

#include <algorithm>
#include <array>

namespace torvane::engine {

namespace {

// A side down to its last Rat loses with it: that Rat is worth far more than the first.
constexpr int kLastRatPenalty = 400;
// Per enemy piece next to the own Elephant or last Rat that could take it.
constexpr int kVitalAttacked = 90;
// Both vital pieces attacked at once: one of them will usually fall.
constexpr int kDoubleThreat = 350;
// A Rat closing in on the enemy Elephant, per step nearer than 8.
constexpr int kRatHunt = 6;
constexpr int kMobility = 2;
// Pieces in hand are worth a little less than on the board: they need a move to come back.
constexpr int kHandPercent = 85;

struct SideTerms {
    int material = 0;
    int mobility = 0;
    int attackersOnElephant = 0;
    int attackersOnLastRat = 0;
    int elephantSq = -1;
    // A game has four Rats, but a position set up by `position sfen` may hold one on every cell.
    std::array<int, kSquares> ratSq{};
    int rats = 0;
};

bool Vital(const Position& pos, Piece target) {
    int kind = KindOf(target);
    return kind == Elephant || (kind == Rat && pos.OnBoard(ColorOf(target), Rat) == 1);
}

// One pass over the board: material, mobility, and who attacks each side's vital pieces.
void ScanBoard(const Position& pos, std::array<SideTerms, 2>& terms) {
    for (int sq = 0; sq < kSquares; ++sq) {
        Piece p = pos.At(sq);
        if (p == kEmpty) continue;
        Color c = ColorOf(p);
        int kind = KindOf(p);
        terms[c].material += kKindValue[kind];
        if (kind == Elephant) terms[c].elephantSq = sq;
        if (kind == Rat) terms[c].ratSq[terms[c].rats++] = sq;
        for (int i = 0; i < kNeighbours.count[sq]; ++i) {
            Piece t = pos.At(kNeighbours.cells[sq][i]);
            if (t == kEmpty) {
                ++terms[c].mobility;
            } else if (ColorOf(t) != c && CanCapture(kind, KindOf(t)) && Vital(pos, t)) {
                SideTerms& victim = terms[ColorOf(t)];
                ++(KindOf(t) == Elephant ? victim.attackersOnElephant : victim.attackersOnLastRat);
            }
        }
    }
}

int RatHunt(const SideTerms& own, int enemyElephantSq) {
    if (enemyElephantSq < 0) return 0;
    int best = 0;
    for (int i = 0; i < own.rats; ++i)
        best = std::max(best, 8 - Distance(own.ratSq[i], enemyElephantSq));
    return best * kRatHunt;
}

int HandValue(const Position& pos, Color c) {
    int total = 0;
    for (int kind = 0; kind < kKindCount; ++kind) total += pos.InHand(c, kind) * kKindValue[kind];
    return total * kHandPercent / 100;
}

int SideScore(const Position& pos, const SideTerms& own, const SideTerms& enemy, Color c,
              bool drops) {
    int score = own.material + own.mobility * kMobility;
    if (pos.OnBoard(c, Rat) == 1) score -= kLastRatPenalty;
    int attacked = own.attackersOnElephant + own.attackersOnLastRat;
    score -= attacked * kVitalAttacked;
    if (own.attackersOnElephant > 0 && own.attackersOnLastRat > 0) score -= kDoubleThreat;
    score += RatHunt(own, enemy.elephantSq);
    if (drops) score += HandValue(pos, c);
    return score;
}

}  // namespace

int Evaluate(const Position& pos, bool drops) {
    std::array<SideTerms, 2> terms{};
    ScanBoard(pos, terms);
    int sente = SideScore(pos, terms[Sente], terms[Gote], Sente, drops);
    int gote = SideScore(pos, terms[Gote], terms[Sente], Gote, drops);
    return pos.SideToMove() == Sente ? sente - gote : gote - sente;
}

}  // namespace torvane::engine
