#include "engine/Evaluation.h"

namespace torvane::engine {

int Evaluate(const Position& pos, bool drops, const EvalWeights& weights) {
    TermCounts counts = CountTerms(pos, drops);
    int sente = 0;
    for (int i = 0; i < kTermCount; ++i) sente += counts[i] * weights[i];
    return pos.SideToMove() == Sente ? sente : -sente;
}

int Evaluate(const Position& pos, bool drops) {
    return Evaluate(pos, drops, WeightsFor(drops));
}

}  // namespace torvane::engine
