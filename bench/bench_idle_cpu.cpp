// CPU used by the idle program (window shown, no game, the contact ticker running), measured
// from outside the process over 10 seconds. Usage: bench_idle_cpu [path to torvane]
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace {

// User plus system time of process `pid`, in clock ticks.
long long CpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    // After the command name: state is field 3, utime field 14, stime field 15.
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString program = argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QCoreApplication::applicationDirPath() + "/../torvane";
    QProcess torvane;
    torvane.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    torvane.start(program, {});
    if (!torvane.waitForStarted()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
        return 1;
    }
    QThread::sleep(4);  // the splash and the start-up
    long long before = CpuTicks(torvane.processId());
    const int seconds = 10;
    QThread::sleep(seconds);
    long long after = CpuTicks(torvane.processId());
    torvane.kill();
    torvane.waitForFinished();
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    const double percent = 100.0 * double(after - before) / ticksPerSecond / seconds;
    std::printf("idle CPU over %d s: %.2f %% of one core\n", seconds, percent);
    return 0;
}
