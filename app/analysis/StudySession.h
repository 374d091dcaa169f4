#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <vector>

#include "record/PositionAnalysis.h"
#include "rules/BoardPosition.h"

namespace torvane {

class EngineProcess;

// When the study of one position has gone far enough: it stops at this depth, or after this
// long, and waits for another position instead of keeping a core busy.
struct StudyLimits {
    int depth = 14;
    int timeMs = 15000;
};

// What the study has found so far about its position.
struct StudyReport {
    int depth = 0;
    // The best lines, first the best, each with its score from Sente's side.
    std::vector<PositionAnalysis> lines;
    bool settled = false;  // the study reached its depth or time and stopped
};

// 検討: the engine thinks about one position without end (`go infinite`) and reports its best
// one to three lines as it deepens, in an engine process of its own; a new position stops the
// search and starts the next one. It stops by itself once deep or long enough.
class StudySession : public QObject {
    Q_OBJECT
public:
    explicit StudySession(QObject* parent);
    ~StudySession() override;

    // Thinks about the position after `moves` played from `start`; the same position again
    // changes nothing. False when the engine cannot be started.
    bool Follow(const BoardPosition& start, const std::vector<RecordedMove>& moves, bool drops);
    // Stops thinking; the report stays.
    void Stop();
    bool Thinking() const { return tag_ != 0; }
    const StudyReport& Report() const { return report_; }
    void SetLimits(StudyLimits limits) { limits_ = limits; }
    StudyLimits Limits() const { return limits_; }
    // The timer that ends a study that has gone on long enough.
    QTimer& timeLimit() { return timeLimit_; }

signals:
    // The report changed: a line at a new depth, or the study settled.
    void updated();
    // The engine died or did not answer; the study has stopped.
    void failed();

private:
    void OnInfo(int tag, const QString& line);
    void Settle();
    void Settled();

    EngineProcess* engine_;
    StudyLimits limits_;
    QTimer timeLimit_;
    BoardPosition start_;
    std::vector<RecordedMove> moves_;
    bool drops_ = false;
    bool following_ = false;  // moves_ is the position of the report
    int tag_ = 0;             // the search of the position, 0 when none runs
    bool stopping_ = false;   // told to stop at its depth or time, its answer awaited
    std::map<int, PositionAnalysis> lines_;  // by rank, at the depth being reported
    StudyReport report_;
};

}  // namespace torvane
