#include "app/analysis/EngineInfo.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "record/PositionAnalysis.h"

namespace torvane {

namespace {

constexpr int kMaxMultiPv = 16;

std::optional<int> Number(QString text, int lo, int hi) {
    if (text.startsWith('+')) text.remove(0, 1);
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < lo || value > hi) return {};
    return static_cast<int>(value);
}

// `cp X` or `mate N` (also `mate +` and `mate -`, a mate of unknown length), from the side to
// move's view.
std::optional<int> Score(const QString& kind, QString value) {
    if (kind == "cp") {
        std::optional<int> cp = Number(value, -1000000, 1000000);
        if (!cp) return {};
        return std::clamp(*cp, -kAnalysisMateScore, kAnalysisMateScore);
    }
    if (kind != "mate") return {};
    if (value == "+" || value == "-") value = value == "+" ? "1000" : "-1000";
    std::optional<int> plies = Number(value, -1000, 1000);
    if (!plies || *plies == 0) return {};
    const int score = kAnalysisMateScore - std::abs(*plies);
    return *plies > 0 ? score : -score;
}

}  // namespace

std::optional<EngineInfo> ParseEngineInfo(const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.empty() || words[0] != "info") return {};
    EngineInfo info;
    bool depth = false, score = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (word == "string") return {};
        if (word == "pv") {
            for (qsizetype k = i + 1; k < words.size(); ++k)
                info.pv.push_back(words[k].toStdString());
            break;
        }
        if (word == "depth" && hasValue) {
            auto value = Number(words[++i], 1, 1000);
            if (!value) return {};
            info.depth = *value, depth = true;
        } else if (word == "multipv" && hasValue) {
            auto value = Number(words[++i], 1, kMaxMultiPv);
            if (!value) return {};
            info.multipv = *value;
        } else if (word == "score" && i + 2 < words.size()) {
            auto value = Score(words[i + 1], words[i + 2]);
            if (!value) return {};
            info.score = *value, score = true;
            i += 2;
        }
    }
    if (!depth || !score || info.pv.empty()) return {};
    return info;
}

}  // namespace torvane
