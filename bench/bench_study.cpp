// 検討 in the shown window on the position after 40 moves of a quiet game, at its own limits:
// how often its report changes while it deepens, how long it thinks before it stops by
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

void BM_StudyOnePosition(benchmark::State& state) {
    RecordWindow& window = *form->recordWindow();
    StudySession& study = window.study();
    for (auto _ : state) {
        window.SetStudying(false);
        window.SelectPly(40);
        const double ownAtRest = OwnCpu();
        QElapsedTimer rest;
        rest.start();
        RunEvents(5000);
        state.counters["window_cpu_without_study_pct"] =
            100 * (OwnCpu() - ownAtRest) / (static_cast<double>(rest.nsecsElapsed()) / 1e9);
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
        const double engineThinking = ChildCpu(engine) - engineBefore;
        const double ownBefore = OwnCpu(), engineIdle = ChildCpu(engine);
        QElapsedTimer idle;
        idle.start();
        RunEvents(5000);
        const double idleSeconds = static_cast<double>(idle.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        state.counters["updates_per_s"] = updates / seconds;
        state.counters["think_s"] = seconds;
        state.counters["depth"] = study.Report().depth;
        state.counters["engine_cpu_thinking_pct"] = 100 * engineThinking / seconds;
        state.counters["window_cpu_idle_pct"] = 100 * (OwnCpu() - ownBefore) / idleSeconds;
        state.counters["engine_cpu_idle_pct"] = 100 * (ChildCpu(engine) - engineIdle) / idleSeconds;
    }
    window.SetStudying(false);
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
