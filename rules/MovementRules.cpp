#include "rules/MovementRules.h"

#include "rules/PieceKind.h"
#include "rules/StepDirection.h"

namespace torvane {

bool CanCapture(int moverKind, int targetKind) {
    if (moverKind == Elephant && targetKind == Rat) return false;
    if (moverKind == Rat && targetKind == Elephant) return true;
    return moverKind >= targetKind;
}

bool HasElephantAndRat(const BoardCells& board, const std::string& tag) {
    bool elephant = false, rat = false;
    for (const Cell& cell : board) {
        if (cell.Tag != tag) continue;
        elephant = elephant || cell.Kind == Elephant;
        rat = rat || cell.Kind == Rat;
    }
    return elephant && rat;
}

bool AreEnemies(const std::string& tagA, const std::string& tagB) {
    return (tagA == "1" && tagB == "2") || (tagA == "2" && tagB == "1");
}

Verdict StepVerdict(const BoardCells& board, int from, int to) {
    const Cell& mover = board[from];
    const Cell& target = board[to];
    if (target.Tag == mover.Tag && target.Tag != "0") return Verdict::Blocked;
    if (target.Tag == "0") return Verdict::Free;
    return CanCapture(mover.Kind, target.Kind) ? Verdict::Capture : Verdict::Forbidden;
}

std::vector<int> ReachableCells(const BoardCells& board, int from) {
    std::vector<int> cells;
    for (StepDirection d : kAllDirections) {
        std::optional<int> n = NeighbourCell(from, d);
        if (!n) continue;
        Verdict v = StepVerdict(board, from, *n);
        if (v == Verdict::Free || v == Verdict::Capture) cells.push_back(*n);
    }
    return cells;
}

CaptureOutcome JudgeCapture(const Cell& source, const Cell& target, const std::string& capturerTag,
                            const std::string& targetTag) {
    bool fromCapturer = source.Tag == capturerTag;
    if (fromCapturer && source.Kind == Elephant && target.Kind == Rat)
        return CaptureOutcome::RefusedWithoutScan;
    if (fromCapturer && source.Kind == Rat && target.Kind == Elephant)
        return CaptureOutcome::Capture;
    if (source.Kind >= target.Kind && source.Tag != targetTag) return CaptureOutcome::Capture;
    return CaptureOutcome::Refused;
}

}  // namespace torvane
