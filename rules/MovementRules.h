#pragma once

#include <string>
#include <vector>

#include "rules/Cell.h"

namespace torvane {

// Judgement of one neighbouring cell for the piece that would step onto it.
enum class Verdict {
    Blocked,    // own piece
    Free,       // empty cell
    Capture,    // enemy piece that may be taken
    Forbidden,  // enemy piece that may not be taken
};

// Strength decides, with two exceptions: the Elephant never takes a Rat, the Rat takes the
// Elephant. Equal kinds take each other. Only asked for enemy pieces.
bool CanCapture(int moverKind, int targetKind);

// `to` must be a neighbour of `from`; the piece on `from` is the mover.
Verdict StepVerdict(const BoardCells& board, int from, int to);

// The neighbours of `from` the piece there may step to (Free or Capture), at most eight.
std::vector<int> ReachableCells(const BoardCells& board, int from);

// A side is still in the game while it has an Elephant and at least one Rat on the board;
// pieces in the hands do not count.
bool HasElephantAndRat(const BoardCells& board, const std::string& tag);

// True when both tags name sides ("1"/"2") and differ.
bool AreEnemies(const std::string& tagA, const std::string& tagB);

// The outcome of a step onto an occupied cell, as move execution and the receiver of a peer's
// move judge it. `capturerTag` is the side that would take, `targetTag` the side of the target.
enum class CaptureOutcome { Capture, Refused, RefusedWithoutScan };
CaptureOutcome JudgeCapture(const Cell& source, const Cell& target, const std::string& capturerTag,
                            const std::string& targetTag);

}  // namespace torvane
