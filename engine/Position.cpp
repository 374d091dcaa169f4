#include "engine/Position.h"

#include <utility>

#include "engine/Zobrist.h"

namespace torvane::engine {

void Position::Clear() {
    *this = Position{};
}

// Each neighbour of `sq` is free (it gains or loses a free cell of the piece's side) or holds a
// piece of either side (which loses or gains the free cell `sq`). Counted without branches:
// this runs twice for every move made.
void Position::ShiftMobility(int sq, Color c, int sign) {
    int free = 0, gote = 0, count = kNeighbours.count[sq];
    for (int i = 0; i < count; ++i) {
        Piece n = board_[kNeighbours.cells[sq][i]];
        free += n == kEmpty;
        gote += n > kKindCount;
    }
    int sente = count - free - gote;
    mobility_[Sente] = static_cast<std::int16_t>(mobility_[Sente] - sign * sente);
    mobility_[Gote] = static_cast<std::int16_t>(mobility_[Gote] - sign * gote);
    mobility_[c] = static_cast<std::int16_t>(mobility_[c] + sign * free);
}

void Position::Put(int sq, Piece p) {
    Place(sq, p);
}

template <bool kTrack>
void Position::Place(int sq, Piece p) {
    Color c = ColorOf(p);
    if (kTrack) ShiftMobility(sq, c, 1);
    board_[sq] = p;
    slot_[sq] = pieceCount_[c];
    pieceCells_[c][pieceCount_[c]++] = static_cast<std::uint8_t>(sq);
    ++onBoard_[c][KindOf(p)];
    cellSum_[p] = static_cast<std::int16_t>(cellSum_[p] + sq);
    cellSets_[p].Toggle(sq);
    if (kTrack) hash_ ^= Zobrist().piece[p][sq];
}

template <bool kTrack>
void Position::Remove(int sq) {
    Piece p = board_[sq];
    board_[sq] = kEmpty;
    Color c = ColorOf(p);
    std::uint8_t last = pieceCells_[c][--pieceCount_[c]];
    pieceCells_[c][slot_[sq]] = last;
    slot_[last] = slot_[sq];
    --onBoard_[c][KindOf(p)];
    cellSum_[p] = static_cast<std::int16_t>(cellSum_[p] - sq);
    cellSets_[p].Toggle(sq);
    if (!kTrack) return;
    ShiftMobility(sq, c, -1);
    hash_ ^= Zobrist().piece[p][sq];
}

// Undoes Remove(sq) exactly (but for the mobility and the hash, which Unmake restores): the
// piece takes its old place in the list again, and the piece that filled that place goes back
// to the end.
void Position::PutBack(int sq, Piece p, int slot) {
    Place<false>(sq, p);
    Color c = ColorOf(p);
    std::uint8_t moved = pieceCells_[c][slot];
    std::swap(pieceCells_[c][slot], pieceCells_[c][slot_[sq]]);
    slot_[moved] = slot_[sq];
    slot_[sq] = static_cast<std::uint8_t>(slot);
}

template <bool kTrack>
void Position::Relocate(int from, int to) {
    Piece p = board_[from];
    board_[from] = kEmpty;
    if (kTrack) {
        ShiftMobility(from, ColorOf(p), -1);
        ShiftMobility(to, ColorOf(p), 1);
        hash_ ^= Zobrist().piece[p][from] ^ Zobrist().piece[p][to];
    }
    board_[to] = p;
    slot_[to] = slot_[from];
    pieceCells_[ColorOf(p)][slot_[to]] = static_cast<std::uint8_t>(to);
    cellSum_[p] = static_cast<std::int16_t>(cellSum_[p] + to - from);
    cellSets_[p].Toggle(from);
    cellSets_[p].Toggle(to);
}

void Position::AddToHand(Color c, int kind, int delta) {
    const auto& keys = Zobrist().hand[c][kind];
    hash_ ^= keys[hand_[c][kind]];
    hand_[c][kind] = static_cast<std::uint8_t>(hand_[c][kind] + delta);
    handTotal_[c] = static_cast<std::uint8_t>(handTotal_[c] + delta);
    hash_ ^= keys[hand_[c][kind]];
}

void Position::SetHand(Color c, int kind, int count) {
    AddToHand(c, kind, count - hand_[c][kind]);
}

void Position::SetSideToMove(Color c) {
    if (c != side_) FlipSide();
}

void Position::FlipSide() {
    side_ = Opponent(side_);
    hash_ ^= Zobrist().goteToMove;
}

void Position::Make(Move m, Undo& undo) {
    undo.hash = hash_;
    undo.mobility = mobility_;
    undo.captured = kEmpty;
    undo.capturedToHand = false;
    int to = ToOf(m);
    if (IsDrop(m)) {
        AddToHand(side_, DropKindOf(m), -1);
        Put(to, MakePiece(side_, DropKindOf(m)));
    } else {
        if (board_[to] != kEmpty) {
            undo.captured = board_[to];
            undo.capturedSlot = slot_[to];
            Remove(to);
            if (handTotal_[side_] < kHandCapacity) {
                undo.capturedToHand = true;
                AddToHand(side_, KindOf(undo.captured), 1);
            }
        }
        Relocate(FromOf(m), to);
    }
    if (side_ == Gote) ++moveNumber_;
    FlipSide();
}

void Position::Unmake(Move m, const Undo& undo) {
    side_ = Opponent(side_);
    if (side_ == Gote) --moveNumber_;
    int to = ToOf(m);
    if (IsDrop(m)) {
        Remove<false>(to);
        AddToHand(side_, DropKindOf(m), 1);
    } else {
        Relocate<false>(to, FromOf(m));
        if (undo.captured != kEmpty) {
            PutBack(to, undo.captured, undo.capturedSlot);
            if (undo.capturedToHand) AddToHand(side_, KindOf(undo.captured), -1);
        }
    }
    hash_ = undo.hash;
    mobility_ = undo.mobility;
}

}  // namespace torvane::engine
