#include "record/AnalysisComment.h"

#include <charconv>
#include <vector>

#include "record/MoveLineParser.h"
#include "record/Notation.h"

namespace torvane {

namespace {

constexpr std::string_view kMark = "**解析", kScoreWord = "評価値", kDepthWord = "深さ",
                           kLineWord = "読み筋";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        std::size_t space = line.find(' ');
        if (space != 0) words.push_back(line.substr(0, space));
        line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
    }
    return words;
}

// A whole number in [-limit, limit], its sign optional.
std::optional<int> Number(std::string_view text, int limit) {
    if (text.starts_with('+')) text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    if (value < -limit || value > limit) return {};
    return value;
}

// The moves of a line, each played on `position` in turn; nothing when one is not legal there.
std::optional<std::vector<RecordedMove>> Line(const std::vector<std::string_view>& words,
                                              RecordPosition position, bool dropsAllowed) {
    std::vector<RecordedMove> line;
    for (std::string_view word : words) {
        std::optional<NumberedLine> parsed = ParseMoveText(word);
        if (!parsed) return {};
        RecordedMove move{*parsed->mark, parsed->from, parsed->to, parsed->kind};
        if (position.Play(move, dropsAllowed)) return {};
        line.push_back(move);
    }
    return line;
}

}  // namespace

std::string AnalysisCommentLine(const PositionAnalysis& analysis) {
    std::string text(kMark);
    text += " " + std::string(kScoreWord) + " " + (analysis.score > 0 ? "+" : "") +
            std::to_string(analysis.score) + " " + std::string(kDepthWord) + " " +
            std::to_string(analysis.depth) + " " + std::string(kLineWord);
    const std::size_t kept = std::min<std::size_t>(analysis.line.size(), kMaxAnalysisLine);
    for (std::size_t i = 0; i < kept; ++i) text += " " + MoveText(analysis.line[i]);
    return text;
}

bool IsAnalysisComment(std::string_view line) {
    return line.starts_with(kMark);
}

std::optional<PositionAnalysis> ParseAnalysisComment(std::string_view line,
                                                     const RecordPosition& position,
                                                     bool dropsAllowed) {
    const std::vector<std::string_view> words = Words(line);
    if (words.size() < 6 || words[0] != kMark || words[1] != kScoreWord || words[3] != kDepthWord ||
        words[5] != kLineWord || words.size() - 6 > static_cast<std::size_t>(kMaxAnalysisLine))
        return {};
    std::optional<int> score = Number(words[2], kAnalysisMateScore);
    std::optional<int> depth = Number(words[4], kMaxAnalysisDepth);
    if (!score || !depth || *depth < 0) return {};
    auto moves = Line({words.begin() + 6, words.end()}, position, dropsAllowed);
    if (!moves) return {};
    return PositionAnalysis{*score, *depth, std::move(*moves)};
}

}  // namespace torvane
