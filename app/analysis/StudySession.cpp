#include "app/analysis/StudySession.h"

#include "app/analysis/EngineInfo.h"
#include "app/analysis/EngineMoves.h"
#include "app/engine/EngineProcess.h"
#include "app/engine/EngineStrength.h"

namespace torvane {

namespace {

constexpr int kStudyLevel = kComputerLevels;  // the strongest
constexpr int kStudyLines = 3;

}  // namespace

StudySession::StudySession(QObject* parent) : QObject(parent), engine_(new EngineProcess(this)) {
    timeLimit_.setSingleShot(true);
    connect(&timeLimit_, &QTimer::timeout, this, &StudySession::Settle);
    connect(engine_, &EngineProcess::info, this, &StudySession::OnInfo);
    connect(engine_, &EngineProcess::bestMove, this, [this](int tag) {
        if (tag == tag_) Settled();
    });
    connect(engine_, &EngineProcess::failed, this, [this] {
        tag_ = 0;
        following_ = false;
        timeLimit_.stop();
        emit failed();
    });
}

StudySession::~StudySession() = default;

bool StudySession::Follow(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                          bool drops) {
    if (following_ && start == start_ && moves == moves_ && drops == drops_) return true;
    Stop();
    if (!engine_->Start()) return false;
    start_ = start;
    moves_ = moves;
    drops_ = drops;
    following_ = true;
    lines_.clear();
    report_ = {};
    const int ply = static_cast<int>(moves.size());
    if (PositionAfter(start_, moves_, ply, drops_).Decided()) {
        report_.settled = true;  // nothing to think about
    } else {
        tag_ = engine_->Think(EngineLineOf(start_, moves_, ply),
                              {{"Level", QString::number(kStudyLevel)},
                               {"CapturedPieces", drops_ ? "true" : "false"},
                               {"MultiPV", QString::number(kStudyLines)}},
                              "infinite");
        timeLimit_.start(limits_.timeMs);
    }
    emit updated();
    return true;
}

void StudySession::Stop() {
    timeLimit_.stop();
    if (tag_ != 0 && !stopping_) engine_->Stop();
    tag_ = 0;
    stopping_ = false;
    following_ = false;
}

// A line of a new depth starts that depth's lines afresh; the report shows the depth whose
// first line has come, with the lines of that depth so far.
void StudySession::OnInfo(int tag, const QString& text) {
    if (tag != tag_) return;
    std::optional<EngineInfo> info = ParseEngineInfo(text);
    if (!info || info->multipv > kStudyLines) return;
    const RecordPosition position =
        PositionAfter(start_, moves_, static_cast<int>(moves_.size()), drops_);
    if (info->multipv == 1) lines_.clear();
    const int sign = position.ToMove() == Side::Sente ? 1 : -1;
    lines_[info->multipv] = {sign * info->score, info->depth,
                             RecordLineOf(position, info->pv, drops_, kMaxAnalysisLine)};
    report_.depth = lines_.begin()->second.depth;
    report_.lines.clear();
    for (const auto& [rank, line] : lines_) report_.lines.push_back(line);
    emit updated();
    if (info->multipv == 1 && info->depth >= limits_.depth) Settle();
}

// The lines of the depth reached are still on their way: the study has settled when the
// engine's answer follows them.
void StudySession::Settle() {
    if (tag_ == 0 || stopping_) return;
    stopping_ = true;
    timeLimit_.stop();
    engine_->Stop();
}

void StudySession::Settled() {
    tag_ = 0;
    stopping_ = false;
    report_.settled = true;
    emit updated();
}

}  // namespace torvane
