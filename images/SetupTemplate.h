#pragma once

#include "rules/Cell.h"

namespace torvane {

// `SetupTemplate`: the start position (StartBoard) with its pictures; element i is the first
// content of board cell i.
const BoardCells& SetupTemplate();

}  // namespace torvane
