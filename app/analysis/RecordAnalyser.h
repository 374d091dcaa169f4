#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "app/analysis/EngineInfo.h"
#include "record/PositionAnalysis.h"
#include "rules/BoardPosition.h"

namespace torvane {

class EngineProcess;

// How deep and how long the engine looks at each position of a record: deep enough to see
// the tactics a player misses, short enough that a long game is analysed within a minute.
struct AnalysisLimits {
    int depth = 8;
    int moveTimeMs = 300;
};

// The analysis of a record's positions, one after another, by an engine process of its own
// (the computer opponent's program), so that the window stays alive and a game against the
// computer keeps its engine. Each position is searched at its depth and time from the start
// and the moves that lead to it; a position the game ended in is not searched, it is won or
// lost.
class RecordAnalyser : public QObject {
    Q_OBJECT
public:
    explicit RecordAnalyser(QObject* parent);
    ~RecordAnalyser() override;

    // Analyses the positions after `plies` moves of `moves` played from `start`, in the order
    // given; false when the engine cannot be started. A running analysis is abandoned first.
    bool Start(const BoardPosition& start, const std::vector<RecordedMove>& moves, bool drops,
               std::vector<int> plies);
    void SetLimits(AnalysisLimits limits) { limits_ = limits; }
    AnalysisLimits Limits() const { return limits_; }
    // Abandons the analysis: the engine stops, and what it still says is dropped.
    void Cancel();
    bool Running() const { return current_ >= 0; }
    int Done() const { return done_; }
    int Total() const { return static_cast<int>(plies_.size()); }

signals:
    // The position after `ply` moves is analysed.
    void analysed(int ply, const PositionAnalysis& analysis);
    // Every position asked for is analysed.
    void finished();
    // The engine died or did not answer; the analysis ends.
    void failed();

private:
    void Next();
    void OnInfo(int tag, const QString& line);
    void OnBestMove(int tag);
    void OnFailed();
    // Counts and announces the analysis of the current position; false when a receiver
    // cancelled or restarted the analysis meanwhile.
    bool Deliver(const PositionAnalysis& analysis);

    EngineProcess* engine_;
    AnalysisLimits limits_;
    BoardPosition start_;
    std::vector<RecordedMove> moves_;
    bool drops_ = false;
    std::vector<int> plies_;
    int done_ = 0;
    int current_ = -1;                // the ply being analysed, -1 when none
    int tag_ = 0;                     // the engine's request for it
    int run_ = 0;                     // counts the starts and cancels
    std::optional<EngineInfo> best_;  // the deepest line reported for it
};

}  // namespace torvane
