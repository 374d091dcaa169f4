#include "engine/Position.h"

#include "engine/Zobrist.h"

namespace torvane::engine {

void Position::Clear() {
    *this = Position{};
}

void Position::Put(int sq, Piece p) {
    board_[sq] = p;
    ++onBoard_[ColorOf(p)][KindOf(p)];
    cellSum_[p] = static_cast<std::int16_t>(cellSum_[p] + sq);
    hash_ ^= Zobrist().piece[p][sq];
}

void Position::Remove(int sq) {
    Piece p = board_[sq];
    board_[sq] = kEmpty;
    --onBoard_[ColorOf(p)][KindOf(p)];
    cellSum_[p] = static_cast<std::int16_t>(cellSum_[p] - sq);
    hash_ ^= Zobrist().piece[p][sq];
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
    undo.captured = kEmpty;
    undo.capturedToHand = false;
    int to = ToOf(m);
    if (IsDrop(m)) {
        AddToHand(side_, DropKindOf(m), -1);
        Put(to, MakePiece(side_, DropKindOf(m)));
    } else {
        int from = FromOf(m);
        Piece mover = board_[from];
        if (board_[to] != kEmpty) {
            undo.captured = board_[to];
            Remove(to);
            if (handTotal_[side_] < kHandCapacity) {
                undo.capturedToHand = true;
                AddToHand(side_, KindOf(undo.captured), 1);
            }
        }
        Remove(from);
        Put(to, mover);
    }
    if (side_ == Gote) ++moveNumber_;
    FlipSide();
}

void Position::Unmake(Move m, const Undo& undo) {
    side_ = Opponent(side_);
    if (side_ == Gote) --moveNumber_;
    int to = ToOf(m);
    if (IsDrop(m)) {
        Remove(to);
        AddToHand(side_, DropKindOf(m), 1);
    } else {
        Piece mover = board_[to];
        Remove(to);
        Put(FromOf(m), mover);
        if (undo.captured != kEmpty) {
            Put(to, undo.captured);
            if (undo.capturedToHand) AddToHand(side_, KindOf(undo.captured), -1);
        }
    }
    hash_ = undo.hash;
}

}  // namespace torvane::engine
