// The longest stall of the window's event loop while the computer thinks: a 1 ms timer runs
// from the start of a game against the computer (the computer, Sente, opens at the top level, on
// two threads for 3 s) until its move is on the board, and the widest gap between two of its
// ticks is the stall.
#include <benchmark/benchmark.h>

#include "ModalDialog.h"
#include "QtBenchmarkMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "app/dialogs/ComputerGameDialog.h"
#include "app/engine/EngineStrength.h"
#include "app/window/Form1.h"

using namespace torvane;

namespace {

// Chooses Gote at the top level in the dialog, as the player would.
void ChooseGoteAtTheTop(ComputerGameDialog& dialog) {
    dialog.findChild<QRadioButton*>("gote")->setChecked(true);
    dialog.findChild<QComboBox*>("level")->setCurrentIndex(kComputerLevels - 1);
    dialog.findChild<QPushButton*>("Command1")->click();
}

void BM_EventLoopStallWhileTheComputerThinks(benchmark::State& state) {
    ModalWatcher<ComputerGameDialog> dialogs(ChooseGoteAtTheTop);
    ModalWatcher<QMessageBox> boxes([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    Form1 form;
    form.show();
    std::vector<double> stalls;
    for (auto _ : state) {
        bool moved = false;
        QMetaObject::Connection c =
            QObject::connect(&form, &Form1::computerMoved, [&] { moved = true; });
        QElapsedTimer sinceTick, total;
        double widest = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            widest = std::max(widest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        form.action("konpyuta")->trigger();
        sinceTick.start();
        total.start();
        tick.start();
        while (!moved && total.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(c);
        if (!moved) return state.SkipWithError("the computer did not answer");
        state.SetIterationTime(widest / 1e3);
        stalls.push_back(widest);
    }
    std::sort(stalls.begin(), stalls.end());
    state.counters["median_stall_ms"] = stalls[stalls.size() / 2];
    state.counters["max_stall_ms"] = stalls.back();
}
BENCHMARK(BM_EventLoopStallWhileTheComputerThinks)
    ->Iterations(7)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The engine of the build tree, unless TORVANE_ENGINE names another.
int main(int argc, char** argv) {
    return QtBenchmarkMain(argc, argv, [] {
        UseBuildTreeEngine();
        return true;
    });
}
