#include "engine/ParallelSearch.h"

#include <algorithm>
#include <thread>

namespace torvane::engine {

int DefaultThreads() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
}

ParallelSearch::ParallelSearch(TranspositionTable& tt, std::uint64_t seed) : tt_(tt), seeds_(seed) {
    SetThreads(1);
}

void ParallelSearch::SetThreads(int threads) {
    threads = std::clamp(threads, 1, kMaxThreads);
    searches_.resize(std::min<std::size_t>(searches_.size(), static_cast<std::size_t>(threads)));
    while (Threads() < threads) {
        searches_.push_back(std::make_unique<Search>(tt_, seeds_()));
        if (Threads() > 1) searches_.back()->BecomeHelper(Threads() - 1, &helperNodes_);
    }
    searches_.front()->CountHelpersIn(&helperNodes_);
}

SearchResult ParallelSearch::Run(const SearchRequest& request, const std::atomic<bool>& stop,
                                 const Search::InfoSink& info) {
    helperNodes_ = 0;
    std::atomic<bool> helpersStop{false};
    std::vector<std::thread> helpers;
    std::vector<std::uint64_t> helperResults(searches_.size(), 0);
    for (std::size_t i = 1; i < searches_.size(); ++i)
        helpers.emplace_back([this, i, &request, &helpersStop, &helperResults] {
            helperResults[i] =
                searches_[i]->Run(request, helpersStop, [](const std::string&) {}).nodes;
        });
    SearchResult result = searches_.front()->Run(request, stop, info);
    helpersStop = true;
    for (std::thread& t : helpers) t.join();
    for (std::uint64_t nodes : helperResults) result.nodes += nodes;
    return result;
}

}  // namespace torvane::engine
