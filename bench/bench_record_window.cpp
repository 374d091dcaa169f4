// The game record in a shown main window with its move list open: reading a record of 1,000
// moves and showing its last position, taking one move back, and stepping the replay one
// position, each with the repaint.
#include <benchmark/benchmark.h>

#include "ShownWindowMain.h"

#include <QTest>

#include "QuietGame.h"
#include "app/window/Form1.h"

using namespace torvane;

namespace {

Form1* form = nullptr;
std::string recordText;

std::string ThousandMoveRecord() {
    return WriteRecord(QuietGame(1000, 11));
}

void ShowLastPosition() {
    auto read = ReadRecord(recordText, RecordEncoding::Utf8);
    form->game().LoadRecord(std::get<GameRecord>(read));
    form->Render();
    form->board()->repaint();
}

void BM_OpenThousandMoves(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        form->game().LoadRecord(GameRecord{});  // an empty list, as before opening a file
        form->Render();
        state.ResumeTiming();
        ShowLastPosition();
    }
    state.counters["moves"] = static_cast<double>(form->game().History().entries().size());
}
BENCHMARK(BM_OpenThousandMoves)->Unit(benchmark::kMillisecond);

void BM_TakeBackOneMove(benchmark::State& state) {
    ShowLastPosition();
    for (auto _ : state) {
        if (!form->game().MayTakeBack()) {
            state.PauseTiming();
            ShowLastPosition();
            state.ResumeTiming();
        }
        form->matta_Click();
        form->board()->repaint();
    }
}
BENCHMARK(BM_TakeBackOneMove)->Unit(benchmark::kMicrosecond);

void BM_ReplayOneStep(benchmark::State& state) {
    ShowLastPosition();
    const int moves = static_cast<int>(form->game().History().entries().size());
    int ply = 0;
    for (auto _ : state) {
        form->ShowPly(ply);
        form->board()->repaint();
        ply = (ply + 1) % moves;
    }
}
BENCHMARK(BM_ReplayOneStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    recordText = ThousandMoveRecord();
    return ShownWindowMain(argc, argv, form, [](Form1& window) {
        window.kifuhyouji_Click();  // the move list follows every change
        return true;
    });
}
