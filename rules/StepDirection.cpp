#include "rules/StepDirection.h"

#include "rules/Cell.h"

namespace torvane {

namespace {

struct Delta {
    int row, column;
};

constexpr Delta DeltaOf(StepDirection d) {
    switch (d) {
        case StepDirection::Left:
            return {0, -1};
        case StepDirection::UpRight:
            return {-1, 1};
        case StepDirection::Up:
            return {-1, 0};
        case StepDirection::UpLeft:
            return {-1, -1};
        case StepDirection::Right:
            return {0, 1};
        case StepDirection::DownLeft:
            return {1, -1};
        case StepDirection::Down:
            return {1, 0};
        case StepDirection::DownRight:
            return {1, 1};
    }
    return {0, 0};
}

}  // namespace

std::optional<int> NeighbourCell(int cell, StepDirection d) {
    if (cell < 0 || cell >= kCellCount) return std::nullopt;
    Delta delta = DeltaOf(d);
    int row = RowOf(cell) + delta.row;
    int column = ColumnOf(cell) + delta.column;
    if (row < 0 || row > 8 || column < 0 || column > 8) return std::nullopt;
    return row * 9 + column;
}

bool IsStepNeighbour(int from, int to) {
    if (from < 0 || from >= kCellCount || to < 0 || to >= kCellCount) return false;
    bool leftToRight = ColumnOf(from) == 0 && ColumnOf(to) == 8;
    bool rightToLeft = ColumnOf(from) == 8 && ColumnOf(to) == 0;
    if (leftToRight || rightToLeft) return false;
    switch (to - from) {
        case -1:
        case 1:
        case -8:
        case -9:
        case -10:
        case 8:
        case 9:
        case 10:
            return true;
        default:
            return false;
    }
}

}  // namespace torvane
