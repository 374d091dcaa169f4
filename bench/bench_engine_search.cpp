// The engine's speed on one thread: the bench's fixed-depth searches (the same nodes on every
// run, so only the time per node can change) and perft 4 from the start position. Run it under
// `valgrind --tool=callgrind` to compare two builds by instructions, which the load of a shared
// machine does not disturb.
#include <benchmark/benchmark.h>

#include "engine/Bench.h"
#include "engine/Perft.h"
#include "engine/Sfen.h"

using namespace torvane::engine;

namespace {

void BM_Search(benchmark::State& state) {
    bool drops = state.range(0) != 0;
    std::uint64_t nodes = 0;
    for (auto _ : state) nodes += BenchNodes(drops);
    state.SetItemsProcessed(static_cast<std::int64_t>(nodes));
    state.counters["nodes"] = static_cast<double>(nodes / state.iterations());
}
BENCHMARK(BM_Search)->ArgName("drops")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Perft(benchmark::State& state) {
    Position pos = StartPosition();
    std::uint64_t leaves = 0;
    for (auto _ : state) leaves += Perft(pos, 4, false);
    state.SetItemsProcessed(static_cast<std::int64_t>(leaves));
}
BENCHMARK(BM_Perft)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
