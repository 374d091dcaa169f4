// Cost of turning received bytes into one message: a move, and a chat line in Japanese.
#include <benchmark/benchmark.h>

#include "protocol/MessageDecoder.h"
#include "protocol/MessageEncoder.h"

using namespace torvane;

static void BM_DecodeMove(benchmark::State& state) {
    MessageDecoder decoder;
    const WireBytes bytes = Encode(MoveMsg{12, 30});
    for (auto _ : state) benchmark::DoNotOptimize(decoder.feed(bytes));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeMove);

static void BM_DecodeJapaneseChat(benchmark::State& state) {
    MessageDecoder decoder;
    const WireBytes bytes =
        Encode(CodeMsg{MessageCode::ChatLine, "たろう>>よろしくお願いします〜"});
    for (auto _ : state) {
        decoder.feed(bytes);
        benchmark::DoNotOptimize(decoder.flushText());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeJapaneseChat);

BENCHMARK_MAIN();
