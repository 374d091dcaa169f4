#include "engine/Threat.h"

namespace torvane::engine {

namespace {

bool Attacked(const Position& pos, int sq) {
    Piece target = pos.At(sq);
    for (int i = 0; i < kNeighbours.count[sq]; ++i) {
        Piece p = pos.At(kNeighbours.cells[sq][i]);
        if (p != kEmpty && ColorOf(p) != ColorOf(target) && CanCapture(KindOf(p), KindOf(target)))
            return true;
    }
    return false;
}

}  // namespace

bool VitalPieceAttacked(const Position& pos, Color side) {
    Piece elephant = MakePiece(side, Elephant);
    Piece lastRat = pos.OnBoard(side, Rat) == 1 ? MakePiece(side, Rat) : kEmpty;
    int found = 0, wanted = 1 + (lastRat != kEmpty);
    for (int sq = 0; sq < kSquares && found < wanted; ++sq) {
        Piece p = pos.At(sq);
        if (p != elephant && (p != lastRat || p == kEmpty)) continue;
        ++found;
        if (Attacked(pos, sq)) return true;
    }
    return false;
}

bool CreatesThreat(const Position& pos, Move m) {
    Color side = pos.SideToMove();
    int kind = IsDrop(m) ? DropKindOf(m) : KindOf(pos.At(FromOf(m)));
    int to = ToOf(m);
    for (int i = 0; i < kNeighbours.count[to]; ++i) {
        Piece t = pos.At(kNeighbours.cells[to][i]);
        if (t == kEmpty || ColorOf(t) == side || !CanCapture(kind, KindOf(t))) continue;
        if (KindOf(t) == Elephant || (KindOf(t) == Rat && pos.OnBoard(ColorOf(t), Rat) == 1))
            return true;
    }
    return false;
}

}  // namespace torvane::engine
