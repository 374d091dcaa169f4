#include "engine/MoveGen.h"

namespace torvane::engine {

namespace {

// kTargetOk[mover][target]: may a piece with code `mover` step onto a cell holding `target`?
struct StepTable {
    std::array<std::array<bool, kPieceCodes>, kPieceCodes> ok{};
    std::array<std::array<bool, kPieceCodes>, kPieceCodes> capture{};
};

constexpr StepTable BuildStepTable() {
    StepTable t;
    for (int m = 1; m < kPieceCodes; ++m) {
        Piece mover = static_cast<Piece>(m);
        t.ok[m][kEmpty] = true;
        for (int x = 1; x < kPieceCodes; ++x) {
            Piece target = static_cast<Piece>(x);
            bool take =
                ColorOf(mover) != ColorOf(target) && CanCapture(KindOf(mover), KindOf(target));
            t.ok[m][x] = take;
            t.capture[m][x] = take;
        }
    }
    return t;
}

constexpr StepTable kSteps = BuildStepTable();

int EmptyCount(const Position& pos) {
    return kSquares - pos.PieceCount(Sente) - pos.PieceCount(Gote);
}

}  // namespace

void GenerateMoves(const Position& pos, bool drops, MoveList& list) {
    Color side = pos.SideToMove();
    const std::uint8_t* cells = pos.PieceCells(side);
    for (int n = 0; n < pos.PieceCount(side); ++n) {
        int from = cells[n];
        Piece p = pos.At(from);
        const auto& ok = kSteps.ok[p];
        for (int i = 0; i < kNeighbours.count[from]; ++i) {
            int to = kNeighbours.cells[from][i];
            if (ok[pos.At(to)]) list.Add(StepMove(from, to));
        }
    }
    if (!drops || pos.HandTotal(side) == 0) return;
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (pos.InHand(side, kind) == 0) continue;
        for (int to = 0; to < kSquares; ++to)
            if (pos.At(to) == kEmpty) list.Add(DropMove(kind, to));
    }
}

void GenerateCaptures(const Position& pos, MoveList& list) {
    Color side = pos.SideToMove();
    const std::uint8_t* cells = pos.PieceCells(side);
    for (int n = 0; n < pos.PieceCount(side); ++n) {
        int from = cells[n];
        Piece p = pos.At(from);
        const auto& capture = kSteps.capture[p];
        for (int i = 0; i < kNeighbours.count[from]; ++i) {
            int to = kNeighbours.cells[from][i];
            if (capture[pos.At(to)]) list.Add(StepMove(from, to));
        }
    }
}

int CountMoves(const Position& pos, bool drops) {
    Color side = pos.SideToMove();
    int n = 0;
    const std::uint8_t* cells = pos.PieceCells(side);
    for (int k = 0; k < pos.PieceCount(side); ++k) {
        int from = cells[k];
        const auto& ok = kSteps.ok[pos.At(from)];
        for (int i = 0; i < kNeighbours.count[from]; ++i)
            n += ok[pos.At(kNeighbours.cells[from][i])];
    }
    if (!drops || pos.HandTotal(side) == 0) return n;
    int kinds = 0;
    for (int kind = 0; kind < kKindCount; ++kind) kinds += pos.InHand(side, kind) > 0;
    return n + kinds * EmptyCount(pos);
}

std::optional<Move> FindLegalMove(const Position& pos, bool drops, std::string_view text) {
    MoveList list;
    GenerateMoves(pos, drops, list);
    for (Move m : list)
        if (MoveName(m) == text) return m;
    return std::nullopt;
}

}  // namespace torvane::engine
