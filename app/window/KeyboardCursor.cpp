#include "app/window/KeyboardCursor.h"

#include <algorithm>

#include "rules/Cell.h"

namespace torvane {

namespace {

constexpr int kBoardColumns = 9;
constexpr int kHandColumns = 3;

}  // namespace

int KeyboardCursor::IndexIn(std::optional<Hand> area) const {
    return place_.hand == area ? place_.index : -1;
}

int KeyboardCursor::HeldIn(std::optional<Hand> area) const {
    return held_ && held_->hand == area ? held_->index : -1;
}

void KeyboardCursor::Step(int columns, int rows) {
    const int width = place_.OnBoard() ? kBoardColumns : kHandColumns;
    const int height = place_.OnBoard() ? kBoardColumns : kHandSlots / kHandColumns;
    const int column = std::clamp(place_.index % width + columns, 0, width - 1);
    const int row = std::clamp(place_.index / width + rows, 0, height - 1);
    place_.index = row * width + column;
    if (place_.OnBoard()) boardCell_ = place_.index;
}

void KeyboardCursor::EnterHand(Hand hand) {
    place_ = {hand, 0};
}

void KeyboardCursor::ReturnToBoard() {
    place_ = {std::nullopt, boardCell_};
}

void KeyboardCursor::MoveTo(const CursorPlace& place) {
    place_ = place;
    if (place_.OnBoard()) boardCell_ = place_.index;
}

}  // namespace torvane
