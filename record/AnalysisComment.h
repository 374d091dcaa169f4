#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/PositionAnalysis.h"
#include "record/RecordPosition.h"

namespace torvane {

// The comment line that keeps the analysis of a position in a record file, under the move that
// led to it (the start position's before the first move):
//
//   **解析 評価値 +123 深さ 10 読み筋 ▲５五犬(56) △４四鼠(45)
//
// A line starting with '*' is a comment to every reader of records, so readers that do not know
// the analysis skip it. The line is written in the record's notation (`MoveText`).
std::string AnalysisCommentLine(const PositionAnalysis& analysis);

// True for a line that is meant as an analysis comment (it starts with "**解析").
bool IsAnalysisComment(std::string_view line);

// The analysis an analysis comment gives for `position`, or nothing when the comment is damaged:
// a word or a number out of place, a score or depth out of range, a line that is too long or
// holds a move the rules do not allow there.
std::optional<PositionAnalysis> ParseAnalysisComment(std::string_view line,
                                                     const RecordPosition& position,
                                                     bool dropsAllowed);

}  // namespace torvane
