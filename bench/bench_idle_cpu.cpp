// CPU of the idle program (window shown, no game, the contact ticker running) against a bare
// Qt window with a menu bar and an empty 10 ms timer, the two run side by side over the same
// seconds. Each is a child process; the CPU of every thread is read from /proc, and the main
// (GUI) thread, where the ticker runs, is reported apart from the whole process. Both run on
// one CPU.
//
//   bench_idle_cpu [SCALE ...]     default: 1 1.5 2; 5 rounds of 8 s at each scale
//
// Run it under the display to be measured (xvfb-run, X11, offscreen).
#include <sched.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/window/Application.h"
#include "app/window/Form1.h"

namespace {

// Time on a CPU, in nanoseconds, of thread `tid` of process `pid`: the scheduler's own count,
// much finer than the clock ticks of /proc/.../stat, which are 10 ms each and would round the
// few dozen milliseconds an idle window uses in a round.
long long ThreadNanoseconds(qint64 pid, const QString& tid) {
    QFile stat(QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid).arg(tid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    return stat.readAll().split(' ').value(0).toLongLong();
}

struct Cpu {
    long long main = 0;
    long long all = 0;
};

Cpu TimeOnCpu(qint64 pid) {
    Cpu cpu;
    for (const QString& tid : QDir(QStringLiteral("/proc/%1/task").arg(pid))
                                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const long long ns = ThreadNanoseconds(pid, tid);
        cpu.all += ns;
        if (tid.toLongLong() == pid) cpu.main = ns;
    }
    return cpu;
}

// Keeps this process, and the children it starts, on the last CPU it may use: the two windows
// then wake on the same core under the same load, cache and clock, and only what they do
// differs. Apart, each would take its share of whatever else the machine runs.
void PinToOneCpu() {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
    for (int cpu = CPU_SETSIZE - 1; cpu >= 0; --cpu) {
        if (!CPU_ISSET(cpu, &allowed)) continue;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        sched_setaffinity(0, sizeof one, &one);
        return;
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The child that stands for an idle Qt program: a window with a menu bar and an empty 10 ms
// timer.
int RunBare(QApplication& app) {
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("ゲーム(&G)"))->addAction(QStringLiteral("投了(&F)"));
    window.setCentralWidget(new QWidget);
    window.resize(733, 500);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(10);
    window.show();
    return app.exec();
}

int RunTorvane(QApplication& app, double scale) {
    torvane::Form1 form;
    form.ResizeToScale(scale);
    form.show();
    return app.exec();
}

void Measure(const QString& self, const QString& scale, int rounds, int seconds) {
    QProcess bare, torvane;
    for (QProcess* p : {&bare, &torvane}) p->setProcessChannelMode(QProcess::ForwardedChannels);
    bare.start(self, {QStringLiteral("--bare")});
    torvane.start(self, {QStringLiteral("--torvane"), scale});
    if (!bare.waitForStarted() || !torvane.waitForStarted()) {
        std::fprintf(stderr, "cannot start the measured windows\n");
        return;
    }
    QThread::sleep(3);  // both windows up and settled
    std::vector<double> mainRatio, allRatio, torvaneMain, bareMain;
    // Nanoseconds per % of a core.
    const double perSecond = 1e7 * seconds;
    auto ratio = [](long long a, long long b) {
        return static_cast<double>(a) / static_cast<double>(std::max(1LL, b));
    };
    for (int i = 0; i < rounds; ++i) {
        const Cpu b0 = TimeOnCpu(bare.processId()), t0 = TimeOnCpu(torvane.processId());
        QThread::sleep(seconds);
        const Cpu b1 = TimeOnCpu(bare.processId()), t1 = TimeOnCpu(torvane.processId());
        torvaneMain.push_back(static_cast<double>(t1.main - t0.main) / perSecond);
        bareMain.push_back(static_cast<double>(b1.main - b0.main) / perSecond);
        mainRatio.push_back(ratio(t1.main - t0.main, b1.main - b0.main));
        allRatio.push_back(ratio(t1.all - t0.all, b1.all - b0.all));
    }
    for (QProcess* p : {&bare, &torvane}) {
        p->kill();
        p->waitForFinished();
    }
    std::printf(
        "scale %s: GUI thread %.2f %% vs bare %.2f %% of a core, ratio %.2f; "
        "all threads ratio %.2f (medians of %d x %d s)\n",
        qPrintable(scale), Median(torvaneMain), Median(bareMain), Median(mainRatio),
        Median(allRatio), rounds, seconds);
}

}  // namespace

int main(int argc, char** argv) {
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && args[1] == QLatin1String("--bare")) return RunBare(app);
    if (args.size() == 3 && args[1] == QLatin1String("--torvane")) {
        torvane::SetUpApplication(app);
        bool ok = false;
        const double scale = args[2].toDouble(&ok);
        return ok && scale >= 1 ? RunTorvane(app, scale) : 2;
    }
    PinToOneCpu();
    QStringList scales = args.mid(1);
    if (scales.isEmpty())
        scales = {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")};
    for (const QString& scale : scales) Measure(app.applicationFilePath(), scale, 5, 8);
    return 0;
}
