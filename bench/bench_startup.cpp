// Start-up of the program to a shown, painted main window (without the splash's wait), and
// the resident memory afterwards. Run it under the display you want to measure (Xvfb, X11 or
// offscreen); each run is a fresh process, so run it a few times.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "app/window/Application.h"
#include "app/window/Form1.h"

namespace {

long ResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);
    torvane::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.repaint();
    qint64 ms = clock.elapsed();
    std::printf("start-up to a shown main window: %lld ms, resident memory: %.1f MB (%s)\n",
                static_cast<long long>(ms), double(ResidentKiB()) / 1024.0,
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
