#include "Sprt.h"

#include <cmath>
#include <cstdio>

namespace torvane::match {

namespace {

double ScoreOf(double elo) {
    return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

}  // namespace

double Sprt::Llr(const Tally& t) const {
    int n = t.Games();
    if (n == 0) return 0;
    double s = t.Score();
    double variance =
        (t.wins * std::pow(1 - s, 2) + t.draws * std::pow(0.5 - s, 2) + t.losses * std::pow(s, 2)) /
        n;
    // All games alike: no spread to judge by yet.
    if (variance <= 0) return 0;
    double s0 = ScoreOf(elo0), s1 = ScoreOf(elo1);
    return (s1 - s0) * (2 * s - s0 - s1) / (2 * variance / n);
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
