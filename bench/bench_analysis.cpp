// The analysis (棋譜 → 解析) of a 150-move game in the shown window at its own depth and time:
// the time from the command to the last position analysed, the longest wait between two
// positions (the progress bar's steps), and the longest stall of the window's event loop
// meanwhile, the widest gap between two ticks of a 1 ms timer. The game is one of random quiet
// steps, the same each run.
#include <benchmark/benchmark.h>

#include "ShownWindowMain.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

#include "QuietGame.h"
#include "app/analysis/RecordAnalyser.h"
#include "app/dialogs/RecordWindow.h"
#include "app/window/Form1.h"

using namespace torvane;

namespace {

Form1* form = nullptr;

void BM_AnalyseA150MoveGame(benchmark::State& state) {
    std::vector<double> totals, stalls, steps;
    for (auto _ : state) {
        form->game().LoadRecord(QuietGame(150, 7));
        form->Render();
        RecordWindow& window = *form->recordWindow();
        window.SetAnalysis({});
        QElapsedTimer sinceTick, sinceStep, total;
        double widest = 0, longestStep = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            widest = std::max(widest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        QMetaObject::Connection step =
            QObject::connect(&window.analyser(), &RecordAnalyser::analysed, [&] {
                longestStep =
                    std::max(longestStep, static_cast<double>(sinceStep.nsecsElapsed()) / 1e9);
                sinceStep.restart();
            });
        total.start();
        sinceStep.start();
        sinceTick.start();
        tick.start();
        form->kaiseki_Click();
        while (window.analyser().Running() && total.elapsed() < 600000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(step);
        if (window.Analysis().size() != 151) return state.SkipWithError("not every position");
        state.SetIterationTime(static_cast<double>(total.nsecsElapsed()) / 1e9);
        totals.push_back(static_cast<double>(total.nsecsElapsed()) / 1e9);
        stalls.push_back(widest);
        steps.push_back(longestStep);
    }
    std::sort(totals.begin(), totals.end());
    std::sort(stalls.begin(), stalls.end());
    std::sort(steps.begin(), steps.end());
    state.counters["median_total_s"] = totals[totals.size() / 2];
    state.counters["median_stall_ms"] = stalls[stalls.size() / 2];
    state.counters["max_stall_ms"] = stalls.back();
    state.counters["max_step_s"] = steps.back();
}
BENCHMARK(BM_AnalyseA150MoveGame)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    return ShownWindowMain(argc, argv, form, [](Form1& window) {
        UseBuildTreeEngine();
        window.kifuhyouji_Click();
        return true;
    });
}
