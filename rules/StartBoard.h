#pragma once

#include "rules/Cell.h"

namespace torvane {

// The start position as Sente sees it, Gote's back rank in row 0: the owner tag and kind of
// every cell, without pictures. Both hands start empty and Sente moves first.
const BoardCells& StartBoard();

}  // namespace torvane
