#include "Sprt.h"

#include <cmath>
#include <cstdio>

namespace torvane::match {

namespace {

double ScoreOf(double elo) {
    return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

// The outcomes (loss, draw, win) as scores, and how often each came.
struct Outcomes {
    double score[3] = {0.0, 0.5, 1.0};
    double count[3];
};

// The most likely outcome frequencies whose expected score is `s`, given the observed ones:
// p_i = q_i / (1 + lambda (a_i - s)), with lambda found by bisection so that the p_i sum to 1.
// Returns the log-likelihood of the games under them.
double LogLikelihood(const Outcomes& o, double n, double s) {
    double lo = -1.0 / (1.0 - s) + 1e-12, hi = 1.0 / s - 1e-12;
    auto excess = [&](double lambda) {
        double sum = 0;
        for (int i = 0; i < 3; ++i)
            sum += o.count[i] / n * (o.score[i] - s) / (1 + lambda * (o.score[i] - s));
        return sum;
    };
    for (int step = 0; step < 100; ++step) {
        double mid = (lo + hi) / 2;
        (excess(mid) > 0 ? lo : hi) = mid;
    }
    double lambda = (lo + hi) / 2, total = 0;
    for (int i = 0; i < 3; ++i)
        if (o.count[i] > 0)
            total += o.count[i] * std::log(o.count[i] / n / (1 + lambda * (o.score[i] - s)));
    return total;
}

}  // namespace

// The generalised SPRT of the trinomial model: the log of the ratio of the games' likelihoods
// under the most likely outcome frequencies with the score of elo1 and with that of elo0.
double Sprt::Llr(const Tally& t) const {
    double n = t.Games();
    if (n == 0) return 0;
    Outcomes o{.count = {static_cast<double>(t.losses), static_cast<double>(t.draws),
                         static_cast<double>(t.wins)}};
    return LogLikelihood(o, n, ScoreOf(elo1)) - LogLikelihood(o, n, ScoreOf(elo0));
}

double Sprt::LowerBound() const {
    return std::log(beta / (1 - alpha));
}

double Sprt::UpperBound() const {
    return std::log((1 - beta) / alpha);
}

Sprt::Verdict Sprt::Judge(const Tally& t) const {
    double llr = Llr(t);
    if (llr >= UpperBound()) return Verdict::AcceptH1;
    if (llr <= LowerBound()) return Verdict::AcceptH0;
    return Verdict::Continue;
}

std::string Sprt::Summary(const Tally& t) const {
    const char* verdict = Judge(t) == Verdict::AcceptH1   ? "H1 accepted"
                          : Judge(t) == Verdict::AcceptH0 ? "H0 accepted"
                                                          : "undecided";
    char text[160];
    std::snprintf(text, sizeof text, "SPRT elo0 %.0f elo1 %.0f: LLR %.2f [%.2f, %.2f] %s", elo0,
                  elo1, Llr(t), LowerBound(), UpperBound(), verdict);
    return text;
}

}  // namespace torvane::match
