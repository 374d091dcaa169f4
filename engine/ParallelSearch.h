#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "engine/Search.h"
#include "engine/TranspositionTable.h"

namespace torvane::engine {

inline constexpr int kMaxThreads = 8;

// The threads a machine of this many cores searches with by default: two where there are two.
int DefaultThreads();

// Several searches of the same position sharing one transposition table (lazy SMP): the main
// search runs on the calling thread, reports and answers; each helper runs on a thread of its
// own, at depths a little apart from the main search's, and fills the table the main search
// reads. The helpers stop when the main search ends, for whatever reason.
class ParallelSearch {
public:
    ParallelSearch(TranspositionTable& tt, std::uint64_t seed);

    // 1..kMaxThreads; not while a search runs.
    void SetThreads(int threads);
    int Threads() const { return static_cast<int>(searches_.size()); }

    // The main search's result, with the nodes of all threads.
    SearchResult Run(const SearchRequest& request, const std::atomic<bool>& stop,
                     const Search::InfoSink& info);

private:
    TranspositionTable& tt_;
    std::mt19937_64 seeds_;
    std::atomic<std::uint64_t> helperNodes_{0};
    std::vector<std::unique_ptr<Search>> searches_;  // the main search first
};

}  // namespace torvane::engine
