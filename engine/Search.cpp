#include "engine/Search.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

#include "engine/Evaluation.h"
#include "engine/Threat.h"

namespace torvane::engine {

namespace {

constexpr int kMaxQuiescence = 8;
// A level's node limit is this many times larger with drops: hundreds of drops make each ply
// dearer, and the same nodes would see much less far.
constexpr std::uint64_t kDropsNodeFactor = 3;
constexpr int kAspirationDelta = 40;
constexpr int kHashMoveScore = 1 << 30;
constexpr int kDecisiveCaptureScore = 1 << 29;
constexpr int kCaptureScore = 1 << 28;
constexpr int kKillerScore = 1 << 27;
constexpr int kHistoryLimit = 1 << 24;
// Moves are picked best-first by selection this many times; the rest of the list (mostly
// quiet moves and drops, seldom reached) is then sorted once.
constexpr int kSelectionPicks = 6;
// Repetitions are looked for this many plies back; longer cycles are too rare to pay for.
constexpr int kRepetitionWindow = 64;

int ToTable(int score, int ply) {
    if (score > kWin - 1000) return score + ply;
    if (score < -(kWin - 1000)) return score - ply;
    return score;
}

int FromTable(int score, int ply) {
    if (score > kWin - 1000) return score - ply;
    if (score < -(kWin - 1000)) return score + ply;
    return score;
}

// Late-move reductions: a quiet move late in the list of a deep search is first searched this
// many plies shallower, growing with the logarithms of depth and move number as in chess
// engines. Drops make lists of hundreds of moves, of which few matter.
int Reduction(int depth, int index) {
    static const auto kTable = [] {
        std::array<std::array<std::uint8_t, 64>, 64> t{};
        for (int d = 1; d < 64; ++d)
            for (int i = 1; i < 64; ++i)
                t[d][i] = static_cast<std::uint8_t>(std::lround(std::log(d) * std::log(i) / 2.0));
        return t;
    }();
    return kTable[std::min(depth, 63)][std::min(index, 63)];
}

// At the last plies before the horizon, quiet moves past this many are not searched at all.
int LateMoveLimit(int depth) {
    return 4 + 4 * depth * depth;
}

// Sorts moves `first`.. of the list by score, best first, in one pass.
void SortRest(MoveList& list, std::array<int, 1024>& scores, int first) {
    std::array<std::int64_t, 1024> keyed;
    for (int j = first; j < list.size; ++j)
        keyed[j] = static_cast<std::int64_t>(scores[j]) * 65536 + list.moves[j];
    std::sort(keyed.begin() + first, keyed.begin() + list.size, std::greater<>());
    for (int j = first; j < list.size; ++j) {
        list.moves[j] = static_cast<Move>(keyed[j] & 0xffff);
        scores[j] = static_cast<int>((keyed[j] - list.moves[j]) / 65536);
    }
}

// Brings the best-scored move of the rest of the list to index `i`: by selection for the
// first few, which is all most nodes look at, then by one sort of the rest.
Move PickNext(MoveList& list, std::array<int, 1024>& scores, int i) {
    if (i == kSelectionPicks) SortRest(list, scores, i);
    if (i >= kSelectionPicks) return list.moves[i];
    int best = i;
    for (int j = i + 1; j < list.size; ++j)
        if (scores[j] > scores[best]) best = j;
    std::swap(list.moves[i], list.moves[best]);
    std::swap(scores[i], scores[best]);
    return list.moves[i];
}

// A score as USI writes it: centipawns, or the plies to the end of a decided game (negative
// when the side to move loses).
std::string ScoreText(int score) {
    if (!IsDecisive(score)) return "cp " + std::to_string(score);
    int plies = kWin - std::abs(score);
    return "mate " + std::to_string(score > 0 ? plies : -plies);
}

}  // namespace

Search::Search(TranspositionTable& tt, std::uint64_t seed) : tt_(tt), random_(seed) {}

void Search::BecomeHelper(int index, std::atomic<std::uint64_t>* nodes) {
    helperIndex_ = index;
    nodeSink_ = nodes;
}

bool Search::IsCapture(Move m) const {
    return !IsDrop(m) && pos_.At(ToOf(m)) != kEmpty;
}

// The evaluation, with the level's noise: the same for the same position throughout one
// search, so that the table stays consistent, and different from one move to the next.
int Search::Eval() const {
    int score = Evaluate(pos_, drops_);
    if (level_.noise == 0) return score;
    std::uint64_t h = (pos_.Hash() ^ noiseSeed_) * 0x9e3779b97f4a7c15ULL;
    std::uint64_t span = 2 * static_cast<std::uint64_t>(level_.noise) + 1;
    return score + static_cast<int>((h >> 32) % span) - level_.noise;
}

std::uint64_t Search::AllNodes() const {
    return nodes_ + (helperNodes_ ? helperNodes_->load(std::memory_order_relaxed) : 0);
}

// Counts a node, one for every move made; on a countdown, so that no node is skipped, looks
// at the node limit, `stop` and the clock. The main search always completes depth 1.
void Search::CountNode() {
    if (aborted_) return;
    ++nodes_;
    if (rootDepth_ <= 1 && helperIndex_ == 0) return;
    if (nodeLimit_ > 0 && AllNodes() >= nodeLimit_) aborted_ = true;
    if (--clockCountdown_ > 0) return;
    clockCountdown_ = kClockCheckNodes;
    nodesAtLastLook_ = nodes_;
    if (nodeSink_) *nodeSink_ += nodes_ - std::exchange(nodesSunk_, nodes_);
    aborted_ |= stop_->load() || time_.HardLimitReached();
}

// The current position seen before with the same side to move, in the game or the search
// line, but never across a null move (the positions before it were not really reached).
bool Search::IsRepetition() const {
    int n = static_cast<int>(stack_.size());
    std::uint64_t current = stack_.back();
    int floor = std::max(nullFloor_, n - 1 - kRepetitionWindow);
    for (int i = n - 3; i >= floor; i -= 2)
        if (stack_[i] == current) return true;
    return false;
}

void Search::ScoreMoves(const MoveList& list, Move hashMove, int ply,
                        std::array<int, 1024>& scores) {
    for (int i = 0; i < list.size; ++i) {
        Move m = list.moves[i];
        if (m == hashMove) {
            scores[i] = kHashMoveScore;
        } else if (IsCapture(m)) {
            Piece victim = pos_.At(ToOf(m));
            int kind = KindOf(victim);
            bool decisive =
                kind == Elephant || (kind == Rat && pos_.OnBoard(ColorOf(victim), Rat) == 1);
            int attacker = KindOf(pos_.At(FromOf(m)));
            scores[i] = (decisive ? kDecisiveCaptureScore : kCaptureScore) + kKindValue[kind] * 16 -
                        attacker;
        } else if (m == killers_[ply][0]) {
            scores[i] = kKillerScore;
        } else if (m == killers_[ply][1]) {
            scores[i] = kKillerScore - 1;
        } else {
            scores[i] = history_[FromOf(m)][ToOf(m)];
        }
    }
}

void Search::NoteCutoff(Move m, int depth, int ply) {
    if (IsCapture(m)) return;
    if (killers_[ply][0] != m) {
        killers_[ply][1] = killers_[ply][0];
        killers_[ply][0] = m;
    }
    int& h = history_[FromOf(m)][ToOf(m)];
    h += depth * depth;
    if (h > kHistoryLimit)
        for (auto& row : history_)
            for (int& v : row) v /= 2;
}

void Search::UpdatePv(int ply, Move m) {
    pv_[ply][ply] = m;
    for (int i = ply + 1; i < pvLength_[ply + 1]; ++i) pv_[ply][i] = pv_[ply + 1][i];
    pvLength_[ply] = std::max(pvLength_[ply + 1], ply + 1);
}

int Search::ChildScore(Move m, int depth, int alpha, int beta, int ply, bool nullAllowed) {
    Undo undo;
    pos_.Make(m, undo);
    tt_.Prefetch(pos_.Hash());
    CountNode();
    stack_.push_back(pos_.Hash());
    int score = -Negamax(depth, -beta, -alpha, ply + 1, nullAllowed);
    stack_.pop_back();
    pos_.Unmake(m, undo);
    return score;
}

// A position reached in the quiescence search: lost, won at once, or searched on.
int Search::Quiesce(int alpha, int beta, int ply, int qdepth) {
    Color side = pos_.SideToMove();
    if (pos_.HasLost(side)) return -(kWin - ply);
    VitalAttacks attacks = FindVitalAttacks(pos_);
    if (attacks.on[Opponent(side)]) return kWin - (ply + 1);
    return QuiesceNode(alpha, beta, ply, qdepth, attacks);
}

// Captures, and at its first ply the moves that attack the enemy Elephant or last Rat, until
// the position is quiet. A side whose own Elephant or last Rat is attacked may not stand pat: it
// searches its evasions, and loses if none helps.
int Search::QuiesceNode(int alpha, int beta, int ply, int qdepth, const VitalAttacks& attacks) {
    if (aborted_) return 0;
    selDepth_ = std::max(selDepth_, ply);
    bool inCheck = attacks.on[pos_.SideToMove()];
    if (qdepth >= kMaxQuiescence || ply >= kMaxPly - 1) return Eval();

    Move hashMove = kNoMove;
    if (auto e = tt_.Probe(pos_.Hash())) {
        hashMove = e->move;
        if (auto stored = TableCutoff(*e, 0, alpha, beta, ply)) return *stored;
    }
    int originalAlpha = alpha;
    // In check, every move that is not an evasion lets the opponent win on the next ply.
    int best = -(kWin - (ply + 2));
    MoveList list;
    if (inCheck) {
        GenerateEvasions(pos_, drops_, list);
    } else {
        best = Eval();
        if (best >= beta) return best;
        alpha = std::max(alpha, best);
        GenerateCaptures(pos_, list);
        if (qdepth == 0) GenerateThreatMoves(pos_, drops_, list);
    }
    std::array<int, 1024> scores;
    ScoreMoves(list, hashMove, ply, scores);
    Move bestMove = kNoMove;
    for (int i = 0; i < list.size; ++i) {
        Move m = PickNext(list, scores, i);
        Undo undo;
        pos_.Make(m, undo);
        tt_.Prefetch(pos_.Hash());
        CountNode();
        int score = -Quiesce(-beta, -alpha, ply + 1, qdepth + 1);
        pos_.Unmake(m, undo);
        if (aborted_) return 0;
        if (score > best) best = score, bestMove = m;
        if (score >= beta) break;
        alpha = std::max(alpha, score);
    }
    Bound bound = best >= beta ? Bound::Lower : best > originalAlpha ? Bound::Exact : Bound::Upper;
    tt_.Store(pos_.Hash(), ToTable(best, ply), bestMove, 0, bound);
    return best;
}

// The stored score when it settles the node at this depth and window.
std::optional<int> Search::TableCutoff(const TtEntry& e, int depth, int alpha, int beta,
                                       int ply) const {
    int score = FromTable(e.score, ply);
    bool settles = e.bound == Bound::Exact || (e.bound == Bound::Lower && score >= beta) ||
                   (e.bound == Bound::Upper && score <= alpha);
    if (e.depth >= depth && settles) return score;
    return std::nullopt;
}

// The score of passing the turn, searched shallower with a window at beta: when even that is
// above beta, the node is cut (null-move pruning). Positions before the pass do not count
// as repetitions inside it.
int Search::NullMoveScore(int depth, int beta, int ply) {
    pos_.MakeNull();
    stack_.push_back(pos_.Hash());
    int floor = std::exchange(nullFloor_, static_cast<int>(stack_.size()) - 1);
    int score = -Negamax(depth - 3 - depth / 6, -beta, -beta + 1, ply + 1, false);
    nullFloor_ = floor;
    stack_.pop_back();
    pos_.UnmakeNull();
    return score;
}

// Principal variation search of a move after the first: a zero window at alpha, first
// `reduction` plies shallower, then at full depth, and with the whole window only when the
// move may be the new best.
int Search::ZeroWindowFirst(Move m, int depth, int reduction, int alpha, int beta, int ply) {
    int score = ChildScore(m, depth - 1 - reduction, alpha, alpha + 1, ply, true);
    if (score > alpha && reduction > 0)
        score = ChildScore(m, depth - 1, alpha, alpha + 1, ply, true);
    if (score > alpha && score < beta) score = ChildScore(m, depth - 1, alpha, beta, ply, true);
    return score;
}

int Search::Negamax(int depth, int alpha, int beta, int ply, bool nullAllowed) {
    if (aborted_) return 0;
    pvLength_[ply] = ply;
    Color side = pos_.SideToMove();
    if (pos_.HasLost(side)) return -(kWin - ply);
    if (IsRepetition()) return 0;
    // A blind move judges the last ply by the evaluation alone, and so sees an attack on its
    // Elephant or last Rat only as the evaluation weighs it.
    if (depth <= 0 && blind_) return Eval();
    // The side to move takes the enemy Elephant or last Rat: won, nothing to search.
    VitalAttacks attacks = FindVitalAttacks(pos_);
    if (attacks.on[Opponent(side)]) return kWin - (ply + 1);
    // A threat to end the game is answered a ply deeper, as chess engines extend checks, and
    // so is never left to the quiescence search's stand-pat.
    bool threatened = attacks.on[side];
    if (threatened && ply < 2 * rootDepth_) ++depth;
    if (depth <= 0) return QuiesceNode(alpha, beta, ply, 0, attacks);
    selDepth_ = std::max(selDepth_, ply);
    if (ply >= kMaxPly - 1) return Eval();
    bool pvNode = beta - alpha > 1;

    Move hashMove = kNoMove;
    if (auto e = tt_.Probe(pos_.Hash())) {
        hashMove = e->move;
        auto stored = TableCutoff(*e, depth, alpha, beta, ply);
        if (!pvNode && stored) return *stored;
    }

    if (!pvNode && nullAllowed && !threatened && depth >= 3 && Eval() >= beta) {
        int score = NullMoveScore(depth, beta, ply);
        if (aborted_) return 0;
        if (score >= beta && !IsDecisive(score)) return score;
    }

    MoveList list;
    if (threatened)
        GenerateEvasions(pos_, drops_, list);
    else
        GenerateMoves(pos_, drops_, list);
    // A side without a move has lost; in check without an evasion it loses on the next ply.
    if (list.size == 0)
        return threatened && CountMoves(pos_, drops_) > 0 ? -(kWin - (ply + 2)) : -(kWin - ply);
    std::array<int, 1024> scores;
    ScoreMoves(list, hashMove, ply, scores);
    VitalCells enemy = FindVitalCells(pos_, Opponent(side));

    int best = -kInfinite, originalAlpha = alpha;
    Move bestMove = kNoMove;
    for (int i = 0; i < list.size; ++i) {
        Move m = PickNext(list, scores, i);
        bool quiet = scores[i] < kKillerScore - 1;
        bool ordinary = quiet && !threatened && !CreatesThreat(pos_, enemy, m);
        if (ordinary && !pvNode && depth <= 3 && i >= LateMoveLimit(depth)) continue;
        int reduction = ordinary && i >= 3 && depth >= 3
                            ? std::clamp(Reduction(depth, i) - pvNode, 0, depth - 2)
                            : 0;
        int score = i == 0 ? ChildScore(m, depth - 1, alpha, beta, ply, true)
                           : ZeroWindowFirst(m, depth, reduction, alpha, beta, ply);
        if (aborted_) return 0;
        if (score > best) {
            best = score;
            bestMove = m;
        }
        if (score > alpha) {
            alpha = score;
            UpdatePv(ply, m);
        }
        if (alpha >= beta) {
            NoteCutoff(m, depth, ply);
            break;
        }
    }
    Bound bound = best >= beta ? Bound::Lower : best > originalAlpha ? Bound::Exact : Bound::Upper;
    tt_.Store(pos_.Hash(), ToTable(best, ply), bestMove, depth, bound);
    return best;
}

// The root moves from `first` on (those before it are the lines already searched at this
// depth); the best is brought to `first`.
int Search::RootSearch(int depth, int alpha, int beta, int first) {
    pvLength_[0] = 0;
    int best = -kInfinite;
    auto moves = rootMoves_.moves.begin();
    for (int i = first; i < rootMoves_.size; ++i) {
        Move m = rootMoves_.moves[i];
        int score;
        if (i == first) {
            score = ChildScore(m, depth - 1, alpha, beta, 0, true);
        } else {
            score = ChildScore(m, depth - 1, alpha, alpha + 1, 0, true);
            if (score > alpha && score < beta)
                score = ChildScore(m, depth - 1, alpha, beta, 0, true);
        }
        if (aborted_) return best;
        best = std::max(best, score);
        if (score > alpha) {
            alpha = score;
            UpdatePv(0, m);
            std::rotate(moves + first, moves + i, moves + i + 1);
        }
        if (alpha >= beta) break;
    }
    return best;
}

int Search::Aspiration(int depth, int previous, int first) {
    if (depth < 4 || IsDecisive(previous)) return RootSearch(depth, -kInfinite, kInfinite, first);
    int delta = kAspirationDelta;
    int alpha = previous - delta, beta = previous + delta;
    while (true) {
        int score = RootSearch(depth, alpha, beta, first);
        if (aborted_) return score;
        if (score <= alpha) {
            alpha = std::max(-kInfinite, alpha - delta);
        } else if (score >= beta) {
            beta = std::min(kInfinite, beta + delta);
        } else {
            return score;
        }
        delta *= 2;
        if (delta > 1000) alpha = -kInfinite, beta = kInfinite;
    }
}

// Orders the lines best first, and their moves at the front of the root moves with them.
void Search::SortLines() {
    int count = std::min(multiPv_, rootMoves_.size);
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && lines_[j].score > lines_[j - 1].score; --j) {
            std::swap(lines_[j], lines_[j - 1]);
            std::swap(rootMoves_.moves[j], rootMoves_.moves[j - 1]);
        }
}

// One iteration: each line in turn, the later ones among the moves the earlier ones left.
// False when the search was stopped before it finished.
bool Search::Iterate(int depth, SearchResult& result) {
    rootDepth_ = depth;
    int count = std::min(multiPv_, rootMoves_.size);
    for (int k = 0; k < count; ++k) {
        int score = Aspiration(depth, lines_[k].score, k);
        if (aborted_) return false;
        Line& line = lines_[k];
        line.score = score;
        line.length = pvLength_[0];
        std::copy(pv_[0].begin(), pv_[0].begin() + pvLength_[0], line.moves.begin());
    }
    SortLines();
    result = SearchResult{rootMoves_.moves[0], lines_[0].score, depth, nodes_};
    return true;
}

// A search cut short by its clock or by `stop` plays the best move its unfinished iteration
// has proven: the root keeps it in front, moved there only once its search beat every move
// before it. A node limit keeps the last finished iteration's move, so that a level's play
// depends on its nodes alone.
void Search::KeepUnfinishedBest(SearchResult& result) const {
    bool nodesSpent = nodeLimit_ > 0 && AllNodes() >= nodeLimit_;
    if (helperIndex_ == 0 && !nodesSpent) result.best = rootMoves_.moves[0];
}

void Search::Report(int depth, const InfoSink& info) const {
    std::int64_t ms = time_.ElapsedMs();
    std::uint64_t nodes = AllNodes();
    for (int k = 0; k < std::min(multiPv_, rootMoves_.size); ++k) {
        std::ostringstream line;
        line << "info multipv " << k + 1 << " depth " << depth << " seldepth " << selDepth_
             << " score " << ScoreText(lines_[k].score) << " nodes " << nodes << " nps "
             << nodes * 1000 / static_cast<std::uint64_t>(ms + 1) << " time " << ms << " pv";
        for (int i = 0; i < lines_[k].length; ++i) line << ' ' << MoveName(lines_[k].moves[i]);
        info(line.str());
    }
}

void Search::Prepare(const SearchRequest& request, const std::atomic<bool>& stop) {
    pos_ = request.position;
    drops_ = request.drops;
    level_ = SettingsOfLevel(request.level);
    multiPv_ = helperIndex_ > 0 ? 1 : std::clamp(request.multiPv, 1, kMaxMultiPv);
    limits_ = request.limits;
    stop_ = &stop;
    stack_ = request.history;
    stack_.push_back(pos_.Hash());
    nullFloor_ = 0;
    nodes_ = 0;
    nodesSunk_ = 0;
    nodesAtLastLook_ = 0;
    clockCountdown_ = kClockCheckNodes;
    selDepth_ = 0;
    rootDepth_ = 0;
    aborted_ = false;
    killers_ = {};
    lines_ = {};
    for (auto& row : history_) row.fill(0);
    // A helper runs until the main search tells it to stop.
    if (helperIndex_ > 0) limits_ = GoLimits{.infinite = true};
    nodeLimit_ = limits_.nodes;
    std::uint64_t levelNodes = level_.nodes * (drops_ ? kDropsNodeFactor : 1);
    if (helperIndex_ == 0 && levelNodes > 0 && (nodeLimit_ == 0 || levelNodes < nodeLimit_))
        nodeLimit_ = levelNodes;
    time_.Start(limits_, pos_.SideToMove(), level_.timeMs, request.level < kMaxLevel);
    noiseSeed_ = random_();
    blind_ = std::uniform_int_distribution<int>(0, 99)(random_) < level_.blindPercent;
}

SearchResult Search::Run(const SearchRequest& request, const std::atomic<bool>& stop,
                         const InfoSink& info) {
    Prepare(request, stop);
    SearchResult result;
    rootMoves_.size = 0;
    if (pos_.IsDecided()) return result;
    GenerateMoves(pos_, drops_, rootMoves_);
    if (rootMoves_.size == 0) return result;
    std::shuffle(rootMoves_.moves.begin(), rootMoves_.moves.begin() + rootMoves_.size, random_);
    result.best = rootMoves_.moves[0];

    int maxDepth = level_.maxDepth;
    if (limits_.depth > 0) maxDepth = std::min(maxDepth, limits_.depth);
    maxDepth = std::min(maxDepth, kMaxPly - 8);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        // Helpers search every other iteration a ply deeper than the main search would.
        int searched = std::min(maxDepth, depth + (helperIndex_ & 1));
        if (!Iterate(searched, result)) {
            KeepUnfinishedBest(result);
            break;
        }
        if (helperIndex_ > 0) continue;
        Report(depth, info);
        if (IsDecisive(result.score) && depth > 2) break;
        if (stop.load() || (nodeLimit_ > 0 && AllNodes() >= nodeLimit_)) break;
        if (!limits_.infinite && nodeLimit_ == 0 && time_.SoftLimitReached()) break;
    }
    // `go infinite` answers only once told to stop.
    while (helperIndex_ == 0 && limits_.infinite && !stop.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    result.nodes = nodes_;
    return result;
}

}  // namespace torvane::engine
