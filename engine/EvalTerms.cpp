#include "engine/EvalTerms.h"

namespace torvane::engine {

namespace {

constexpr const char* kTermNames[kTermCount] = {
    "Tempo",
    "Rats",
    "LastRat",
    "Dogs",
    "Wolves",
    "Leopards",
    "Crocodiles",
    "Bears",
    "Tigers",
    "Lions",
    "HandRats",
    "HandDogs",
    "HandWolves",
    "HandLeopards",
    "HandCrocodiles",
    "HandBears",
    "HandTigers",
    "HandLions",
    "ElephantAttackers",
    "ElephantDefenders",
    "ElephantEscapes",
    "RatAttackers",
    "RatDefenders",
    "LastRatAttackers",
    "LastRatDefenders",
    "LastRatEscapes",
    "HuntNearness",
    "HuntClose",
    "Mobility",
    "DropOnElephant",
    "DropOnLastRat",
    "VitalAttacked",
};

// Where a side's Elephant and Rats stand.
struct Side {
    int elephant = -1;  // -1 also when a typed position holds several
    int ratCount = 0;
    std::array<std::uint8_t, kSquares> rats{};
};

Side Scan(const Position& pos, Color c) {
    Side s;
    s.elephant = pos.OnlyCell(c, Elephant);
    s.ratCount = pos.Cells(c, Rat).Write(s.rats.data());
    return s;
}

// Own pieces next to `sq`, free cells next to it, and enemy pieces next to it that may take
// the piece of kind `kind` on it.
struct Neighbourhood {
    int own = 0, free = 0, attackers = 0;
};

Neighbourhood Around(const Position& pos, int sq, Color c, int kind) {
    Neighbourhood n;
    for (int i = 0; i < kNeighbours.count[sq]; ++i) {
        Piece p = pos.At(kNeighbours.cells[sq][i]);
        if (p == kEmpty)
            ++n.free;
        else if (ColorOf(p) == c)
            ++n.own;
        else
            n.attackers += Takes(p, c, kind);
    }
    return n;
}

// Enemy pieces two steps from `sq` that may take a piece of kind `kind` (those next to it are
// counted by Around).
int Attackers(const Position& pos, int sq, Color c, int kind) {
    const auto& takes = kTakes[c][kind];
    int n = 0;
    for (int i = 0; i < kRing.count[sq]; ++i) n += takes[pos.At(kRing.cells[sq][i])];
    return n;
}

// Free cells next to the last Rat on `sq` where no enemy piece that may take it stands next.
int RatEscapes(const Position& pos, int sq, Color c) {
    int n = 0;
    for (int i = 0; i < kNeighbours.count[sq]; ++i) {
        int to = kNeighbours.cells[sq][i];
        if (pos.At(to) != kEmpty) continue;
        bool guarded = false;
        for (int j = 0; j < kNeighbours.count[to] && !guarded; ++j)
            guarded = Takes(pos.At(kNeighbours.cells[to][j]), c, Rat);
        n += !guarded;
    }
    return n;
}

// Free cells next to the Elephant on `sq` that no enemy Rat or Elephant stands next to (only
// those take an Elephant).
int ElephantEscapes(const Position& pos, int sq, const Side& enemy) {
    int n = 0;
    for (int i = 0; i < kNeighbours.count[sq]; ++i) {
        int to = kNeighbours.cells[sq][i];
        if (pos.At(to) != kEmpty) continue;
        bool guarded = enemy.elephant >= 0 && Distance(to, enemy.elephant) == 1;
        for (int r = 0; r < enemy.ratCount && !guarded; ++r)
            guarded = Distance(to, enemy.rats[r]) == 1;
        n += !guarded;
    }
    return n;
}

void CountElephant(const Position& pos, const Side& own, const Side& enemy, Color c,
                   std::array<int, kTermCount>& t) {
    if (own.elephant < 0) return;
    Neighbourhood n = Around(pos, own.elephant, c, Elephant);
    t[kElephantAttackers] += Attackers(pos, own.elephant, c, Elephant);
    t[kElephantDefenders] += n.own;
    t[kElephantEscapes] += ElephantEscapes(pos, own.elephant, enemy);
    t[kVitalAttacked] += n.attackers;
}

void CountRats(const Position& pos, const Side& own, const Side& enemy, Color c,
               std::array<int, kTermCount>& t) {
    for (int i = 0; i < own.ratCount; ++i) {
        int sq = own.rats[i];
        Neighbourhood n = Around(pos, sq, c, Rat);
        int attackers = Attackers(pos, sq, c, Rat);
        t[kRatAttackers] += attackers;
        t[kRatDefenders] += n.own;
        if (own.ratCount > 1) continue;
        t[kLastRatAttackers] += attackers;
        t[kLastRatDefenders] += n.own;
        t[kLastRatEscapes] += RatEscapes(pos, sq, c);
        t[kVitalAttacked] += n.attackers;
    }
    if (enemy.elephant < 0 || own.ratCount == 0) return;
    int nearest = 8;
    for (int i = 0; i < own.ratCount; ++i) {
        int d = Distance(own.rats[i], enemy.elephant);
        nearest = d < nearest ? d : nearest;
        t[kHuntClose] += d == 2;
    }
    t[kHuntNearness] += 8 - nearest;
}

bool HasFreeNeighbour(const Position& pos, int sq) {
    for (int i = 0; i < kNeighbours.count[sq]; ++i)
        if (pos.At(kNeighbours.cells[sq][i]) == kEmpty) return true;
    return false;
}

void CountHand(const Position& pos, const Side& enemy, Color c, std::array<int, kTermCount>& t) {
    for (int kind = Rat; kind < Elephant; ++kind) t[kHandRats + kind] += pos.InHand(c, kind);
    if (enemy.elephant >= 0 && pos.InHand(c, Rat) > 0 && HasFreeNeighbour(pos, enemy.elephant))
        ++t[kDropOnElephant];
    int takers = pos.HandTotal(c) - pos.InHand(c, Elephant);
    if (enemy.ratCount == 1 && takers > 0 && HasFreeNeighbour(pos, enemy.rats[0]))
        ++t[kDropOnLastRat];
}

void CountSide(const Position& pos, const Side& own, const Side& enemy, Color c, bool drops,
               std::array<int, kTermCount>& t) {
    t[kTempo] += pos.SideToMove() == c;
    t[kRats] += pos.OnBoard(c, Rat);
    t[kLastRat] += pos.OnBoard(c, Rat) == 1;
    for (int kind = Dog; kind < Elephant; ++kind) t[kRats + kind + 1] += pos.OnBoard(c, kind);
    t[kMobility] += pos.Mobility(c);
    CountElephant(pos, own, enemy, c, t);
    CountRats(pos, own, enemy, c, t);
    if (drops) CountHand(pos, enemy, c, t);
}

}  // namespace

TermCounts CountTerms(const Position& pos, bool drops) {
    Side sente = Scan(pos, Sente), gote = Scan(pos, Gote);
    std::array<int, kTermCount> s{}, g{};
    CountSide(pos, sente, gote, Sente, drops, s);
    CountSide(pos, gote, sente, Gote, drops, g);
    TermCounts counts;
    for (int i = 0; i < kTermCount; ++i) counts[i] = static_cast<std::int16_t>(s[i] - g[i]);
    return counts;
}

const char* TermName(int term) {
    return kTermNames[term];
}

}  // namespace torvane::engine
