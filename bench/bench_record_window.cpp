// The game record in a shown main window with its move list open: reading a record of 1,000
// moves and showing its last position, taking one move back, and stepping the replay one
// position, each with the repaint.
#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

#include <QTest>
#include <optional>
#include <random>

#include "app/window/Form1.h"
#include "record/RecordPosition.h"
#include "rules/StepDirection.h"

using namespace torvane;

namespace {

Form1* form = nullptr;
std::string recordText;

// A random step for the side to move, quiet ones first, so that the game lasts.
std::optional<RecordedMove> RandomStep(RecordPosition& position, std::mt19937& random) {
    std::vector<RecordedMove> quiet, captures;
    for (int from = 0; from < kCellCount; ++from) {
        const Cell& piece = position.Board()[from];
        if (piece.Tag != TagOf(position.ToMove())) continue;
        for (StepDirection d : kAllDirections) {
            auto to = NeighbourCell(from, d);
            if (!to) continue;
            RecordedMove move{position.ToMove(), from, *to, piece.Kind, false, 3};
            RecordPosition trial = position;
            if (trial.Play(move, false)) continue;
            (move.capture ? captures : quiet).push_back(move);
        }
    }
    auto& moves = quiet.empty() ? captures : quiet;
    if (moves.empty()) return std::nullopt;
    RecordedMove move = moves[random() % moves.size()];
    position.Play(move, false);
    return move;
}

std::string ThousandMoveRecord() {
    std::mt19937 random(11);
    RecordPosition position;
    GameRecord record;
    record.header.started = "2026/12/08 10:00:00";
    while (record.moves.size() < 1000) {
        auto move = RandomStep(position, random);
        if (!move) break;
        record.moves.push_back(*move);
    }
    return WriteRecord(record);
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
    std::unique_ptr<Form1> window;
    return QtBenchmarkMain(
        argc, argv,
        [&] {
            recordText = ThousandMoveRecord();
            window = std::make_unique<Form1>();
            form = window.get();
            window->show();
            window->kifuhyouji_Click();  // the move list follows every change
            return QTest::qWaitForWindowExposed(window.get());
        },
        [&] { window.reset(); });
}
