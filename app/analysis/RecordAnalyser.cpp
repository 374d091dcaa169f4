#include "app/analysis/RecordAnalyser.h"

#include "app/analysis/EngineMoves.h"
#include "app/engine/EngineProcess.h"
#include "app/engine/EngineStrength.h"

namespace torvane {

namespace {

// The strongest level: no noise, no blind moves, no node limit; on as many threads as the
// engine takes by default (both cores here).
constexpr int kAnalysisLevel = kComputerLevels;

// A won or lost position scores a mate now, for the side that won.
PositionAnalysis Decided(const GameResult& result) {
    const int score = kAnalysisMateScore;
    return {result.loser == Side::Gote ? score : -score, 0, {}};
}

}  // namespace

RecordAnalyser::RecordAnalyser(QObject* parent)
    : QObject(parent), engine_(new EngineProcess(this)) {
    connect(engine_, &EngineProcess::info, this, &RecordAnalyser::OnInfo);
    connect(engine_, &EngineProcess::bestMove, this,
            [this](int tag, const QString&) { OnBestMove(tag); });
    connect(engine_, &EngineProcess::failed, this, &RecordAnalyser::OnFailed);
}

RecordAnalyser::~RecordAnalyser() = default;

bool RecordAnalyser::Start(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                           bool drops, std::vector<int> plies) {
    Cancel();
    if (!engine_->Start()) return false;
    start_ = start;
    moves_ = moves;
    drops_ = drops;
    plies_ = std::move(plies);
    Next();
    return true;
}

void RecordAnalyser::Cancel() {
    if (tag_ != 0) engine_->Stop();
    tag_ = 0;
    current_ = -1;
    plies_.clear();
    done_ = 0;
    ++run_;
}

// Decided positions are judged at once; the next undecided one goes to the engine.
void RecordAnalyser::Next() {
    while (done_ < Total()) {
        current_ = plies_[static_cast<std::size_t>(done_)];
        const RecordPosition position = PositionAfter(start_, moves_, current_, drops_);
        if (auto result = position.Decided()) {
            if (!Deliver(Decided(*result))) return;
            continue;
        }
        best_.reset();
        const QString limits =
            QString("depth %1 movetime %2").arg(limits_.depth).arg(limits_.moveTimeMs);
        tag_ = engine_->Think(EngineLineOf(start_, moves_, current_),
                              {{"Level", QString::number(kAnalysisLevel)},
                               {"CapturedPieces", drops_ ? "true" : "false"}},
                              limits);
        return;
    }
    current_ = -1;
    emit finished();
}

void RecordAnalyser::OnInfo(int tag, const QString& line) {
    if (tag != tag_) return;
    std::optional<EngineInfo> info = ParseEngineInfo(line);
    if (info && info->multipv == 1) best_ = std::move(info);
}

// The deepest line reported is the position's analysis; with none (no move to make) the side
// to move has lost.
void RecordAnalyser::OnBestMove(int tag) {
    if (tag != tag_ || tag_ == 0) return;
    tag_ = 0;
    const RecordPosition position = PositionAfter(start_, moves_, current_, drops_);
    const int sign = position.ToMove() == Side::Sente ? 1 : -1;
    PositionAnalysis analysis{-sign * kAnalysisMateScore, 0, {}};
    if (best_)
        analysis = {sign * best_->score, best_->depth,
                    RecordLineOf(position, best_->pv, drops_, kMaxAnalysisLine)};
    if (Deliver(analysis)) Next();
}

bool RecordAnalyser::Deliver(const PositionAnalysis& analysis) {
    const int run = run_;
    ++done_;
    emit analysed(current_, analysis);
    return run == run_;
}

void RecordAnalyser::OnFailed() {
    const bool running = Running();
    Cancel();
    if (running) emit failed();
}

}  // namespace torvane
