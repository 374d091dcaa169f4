// 検討 in the shown window on a position of a quiet game (after 40, 50, 60 moves), at its own
// limits: how often its report changes while it deepens, how long it thinks before it stops by
// itself and how deep it got, and then, the position unchanged for 5 s, the CPU the window and
// the study's engine use (percent of one core; during the thinking, the engine's too), beside
// the window's own for 5 s before the study.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include "ShownWindowMain.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>
#include <vector>

#include "QuietGame.h"
#include "app/analysis/StudySession.h"
#include "app/dialogs/RecordWindow.h"
#include "app/engine/EngineProcess.h"
#include "app/window/Form1.h"

using namespace torvane;

namespace {

Form1* form = nullptr;

// CPU seconds this process has used.
double OwnCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds the process `pid` has used, from /proc.
double ChildCpu(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
           static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The event loop, idle unless something happens, for `ms`.
void RunEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// CPU percent of one core: `cpu` seconds over the wall time of `wall`.
double Percent(double cpu, const QElapsedTimer& wall) {
    return 100 * cpu / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

// Each run studies another position, so that the engine's table does not know it yet.
void BM_StudyOnePosition(benchmark::State& state) {
    RecordWindow& window = *form->recordWindow();
    StudySession& study = window.study();
    std::map<std::string, std::vector<double>> figures;
    int ply = 30;
    for (auto _ : state) {
        window.SetStudying(false);
        window.SelectPly(ply += 10);
        const double ownAtRest = OwnCpu();
        QElapsedTimer rest;
        rest.start();
        RunEvents(5000);
        figures["window_cpu_without_study_pct"].push_back(Percent(OwnCpu() - ownAtRest, rest));
        int updates = 0;
        QMetaObject::Connection counting =
            QObject::connect(&study, &StudySession::updated, [&] { ++updates; });
        QElapsedTimer thinking;
        thinking.start();
        window.SetStudying(true);
        const qint64 engine = study.findChild<EngineProcess*>()->processId();
        const double engineBefore = ChildCpu(engine);
        while (!study.Report().settled && thinking.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double seconds = static_cast<double>(thinking.nsecsElapsed()) / 1e9;
        QObject::disconnect(counting);
        figures["engine_cpu_thinking_pct"].push_back(
            Percent(ChildCpu(engine) - engineBefore, thinking));
        const double ownBefore = OwnCpu(), engineIdle = ChildCpu(engine);
        QElapsedTimer idle;
        idle.start();
        RunEvents(5000);
        state.SetIterationTime(seconds);
        figures["updates_per_s"].push_back(updates / seconds);
        figures["think_s"].push_back(seconds);
        figures["depth"].push_back(study.Report().depth);
        figures["window_cpu_idle_pct"].push_back(Percent(OwnCpu() - ownBefore, idle));
        figures["engine_cpu_idle_pct"].push_back(Percent(ChildCpu(engine) - engineIdle, idle));
    }
    window.SetStudying(false);
    for (auto& [name, values] : figures) {
        std::sort(values.begin(), values.end());
        state.counters["median_" + name] = values[values.size() / 2];
    }
}
BENCHMARK(BM_StudyOnePosition)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    return ShownWindowMain(argc, argv, form, [](Form1& window) {
        UseBuildTreeEngine();
        window.game().LoadRecord(QuietGame(80, 7));
        window.Render();
        window.kifuhyouji_Click();
        return true;
    });
}
