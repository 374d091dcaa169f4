#include "engine/Threat.h"

#include <algorithm>

namespace torvane::engine {

namespace {

bool Attacked(const Position& pos, int sq) {
    Piece target = pos.At(sq);
    const auto& takes = kTakes[ColorOf(target)][KindOf(target)];
    for (int i = 0; i < kNeighbours.count[sq]; ++i)
        if (takes[pos.At(kNeighbours.cells[sq][i])]) return true;
    return false;
}

void AddOnce(MoveList& list, Move m) {
    if (std::find(list.begin(), list.end(), m) == list.end()) list.Add(m);
}

}  // namespace

VitalCells FindVitalCells(const Position& pos, Color side) {
    VitalCells v;
    int elephant = pos.OnlyCell(side, Elephant);
    if (elephant < 0 && pos.OnBoard(side, Elephant) > 1) {
        for (int sq = 0; sq < kSquares && elephant < 0; ++sq)
            if (pos.At(sq) == MakePiece(side, Elephant)) elephant = sq;
    }
    if (elephant >= 0) v.cells[v.count++] = elephant;
    int rat = pos.OnlyCell(side, Rat);
    if (rat >= 0) v.cells[v.count++] = rat;
    return v;
}

VitalAttacks FindVitalAttacks(const Position& pos) {
    VitalAttacks attacks;
    for (Color side : {Sente, Gote}) {
        VitalCells v = FindVitalCells(pos, side);
        for (int i = 0; i < v.count; ++i) attacks.on[side] |= Attacked(pos, v.cells[i]);
    }
    return attacks;
}

bool CreatesThreat(const Position& pos, const VitalCells& enemy, Move m) {
    int kind = IsDrop(m) ? DropKindOf(m) : KindOf(pos.At(FromOf(m)));
    int to = ToOf(m);
    for (int i = 0; i < enemy.count; ++i)
        if (Distance(to, enemy.cells[i]) == 1 && CanCapture(kind, KindOf(pos.At(enemy.cells[i]))))
            return true;
    return false;
}

void GenerateEvasions(const Position& pos, bool drops, MoveList& list) {
    Color side = pos.SideToMove();
    VitalCells own = FindVitalCells(pos, side);
    bool ratAttacked = false;
    for (int i = 0; i < own.count; ++i) {
        int from = own.cells[i];
        if (!Attacked(pos, from)) continue;
        ratAttacked |= KindOf(pos.At(from)) == Rat;
        Piece p = pos.At(from);
        for (int j = 0; j < kNeighbours.count[from]; ++j) {
            int to = kNeighbours.cells[from][j];
            Piece t = pos.At(to);
            if (t == kEmpty || (ColorOf(t) != side && CanCapture(KindOf(p), KindOf(t))))
                list.Add(StepMove(from, to));
        }
    }
    MoveList captures;
    GenerateCaptures(pos, captures);
    for (Move m : captures) AddOnce(list, m);
    if (!ratAttacked || !drops || pos.InHand(side, Rat) == 0) return;
    for (int to = 0; to < kSquares; ++to)
        if (pos.At(to) == kEmpty) list.Add(DropMove(Rat, to));
}

void GenerateThreatMoves(const Position& pos, bool drops, MoveList& list) {
    Color side = pos.SideToMove();
    VitalCells enemy = FindVitalCells(pos, Opponent(side));
    for (int i = 0; i < enemy.count; ++i) {
        int victim = KindOf(pos.At(enemy.cells[i]));
        for (int j = 0; j < kNeighbours.count[enemy.cells[i]]; ++j) {
            int to = kNeighbours.cells[enemy.cells[i]][j];
            if (pos.At(to) != kEmpty) continue;
            for (int k = 0; k < kNeighbours.count[to]; ++k) {
                int from = kNeighbours.cells[to][k];
                Piece p = pos.At(from);
                if (p != kEmpty && ColorOf(p) == side && CanCapture(KindOf(p), victim))
                    AddOnce(list, StepMove(from, to));
            }
            if (!drops) continue;
            for (int kind = 0; kind < kKindCount; ++kind)
                if (pos.InHand(side, kind) > 0 && CanCapture(kind, victim))
                    AddOnce(list, DropMove(kind, to));
        }
    }
}

}  // namespace torvane::engine
