#pragma once

#include <string>

#include "Elo.h"

namespace torvane::match {

// The sequential probability ratio test engine projects accept changes with: H0 "the first
// player is elo0 stronger", H1 "elo1 stronger"; after every game the log-likelihood ratio is
// compared with bounds set by the error rates alpha (accepting H1 wrongly) and beta.
struct Sprt {
    double elo0 = 0, elo1 = 10, alpha = 0.05, beta = 0.05;

    enum class Verdict { Continue, AcceptH0, AcceptH1 };

    // The log-likelihood ratio of the results so far.
    double Llr(const Tally& t) const;
    Verdict Judge(const Tally& t) const;
    double LowerBound() const;
    double UpperBound() const;
    std::string Summary(const Tally& t) const;
};

}  // namespace torvane::match
