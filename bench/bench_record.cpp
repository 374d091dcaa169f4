// The game record: writing and reading the longest record a file may hold (every move replayed
// under the rules), in UTF-8 and in Shift_JIS.
#include <benchmark/benchmark.h>

#include "protocol/TextCodec.h"
#include "record/RecordFile.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

// Sente's and Gote's Dogs on file 5 step forward and back until the record is full.
GameRecord LongestRecord() {
    GameRecord record;
    for (int k = 0; k < kMaxRecordMoves; ++k) {
        bool sente = k % 2 == 0, out = k % 4 < 2;
        int home = sente ? 49 : 31, away = sente ? 40 : 22;
        record.moves.push_back({sente ? Side::Sente : Side::Gote, out ? home : away,
                                out ? away : home, Dog, false, k % 90});
    }
    record.result = GameResult{GameEnd::Resignation, Side::Sente};
    return record;
}

void BM_WriteLongestRecord(benchmark::State& state) {
    GameRecord record = LongestRecord();
    for (auto _ : state) benchmark::DoNotOptimize(WriteRecord(record));
    state.SetItemsProcessed(state.iterations() * kMaxRecordMoves);
}
BENCHMARK(BM_WriteLongestRecord)->Unit(benchmark::kMillisecond);

void BM_ReadLongestRecord(benchmark::State& state) {
    bool shiftJis = state.range(0) == 1;
    std::string text = WriteRecord(LongestRecord());
    if (shiftJis) {
        WireBytes bytes = EncodeCp932(text);
        text.assign(bytes.begin(), bytes.end());
    }
    auto encoding = shiftJis ? RecordEncoding::ShiftJis : RecordEncoding::Utf8;
    for (auto _ : state) {
        auto read = ReadRecord(text, encoding);
        if (read.index() != 0) state.SkipWithError("the record was refused");
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecordMoves);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadLongestRecord)->Arg(0)->Arg(1)->ArgName("shiftJis")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
