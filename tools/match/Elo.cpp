#include "Elo.h"

#include <cmath>
#include <cstdio>

namespace torvane::match {

namespace {

double EloOf(double score) {
    return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

std::string EloSummary(const Tally& t) {
    int n = t.Games();
    double p = t.Score();
    char text[200];
    if (n == 0) return "no games";
    if (p <= 0.0 || p >= 1.0) {
        // The one-sided 95 % bound: the score at which n games all alike have a 5 % chance.
        double edge = std::pow(0.05, 1.0 / n);
        double bound = EloOf(p >= 1.0 ? edge : 1.0 - edge);
        std::snprintf(text, sizeof text, "+%d =%d -%d  score %.1f %%  Elo %s %+.0f", t.wins,
                      t.draws, t.losses, 100 * p, p >= 1.0 ? ">" : "<", bound);
        return text;
    }
    double variance =
        (t.wins * std::pow(1 - p, 2) + t.draws * std::pow(0.5 - p, 2) + t.losses * std::pow(p, 2)) /
        n;
    double deviation = std::sqrt(variance / n);
    // The 95 % interval of the score, carried through the slope of the Elo curve at `p`.
    double margin = 1.96 * deviation * 400.0 / (std::log(10.0) * p * (1 - p));
    std::snprintf(text, sizeof text, "+%d =%d -%d  score %.1f %%  Elo %+.0f +/- %.0f", t.wins,
                  t.draws, t.losses, 100 * p, EloOf(p), margin);
    return text;
}

}  // namespace torvane::match
