// Resizing the main window from the design size to twice it in ten steps, each step a resize
// and a full repaint of the window: a first sweep in which every piece and picture is drawn at
// its new size, and a second one that finds them drawn. Prints the median step of each.
// Usage: bench_window_resize [sweeps]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/window/Application.h"
#include "app/window/Form1.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of each step of one sweep from 1.1x to 2x.
std::vector<double> Sweep(torvane::Form1& form) {
    std::vector<double> steps;
    for (int step = 1; step <= 10; ++step) {
        const double scale = 1.0 + step / 10.0;
        QElapsedTimer clock;
        clock.start();
        form.ResizeToScale(scale);
        if (!QTest::qWaitFor([&] { return std::abs(form.scale() - scale) < 0.01; }, 2000))
            std::fprintf(stderr, "the window did not take the scale %.1f\n", scale);
        form.repaint();
        steps.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    form.ResizeToScale(1.0);
    if (!QTest::qWaitFor([&] { return form.scale() < 1.01; }, 2000))
        std::fprintf(stderr, "the window did not return to the design size\n");
    return steps;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);
    const int sweeps = std::max(2, argc > 1 ? std::atoi(argv[1]) : 5);
    torvane::Form1 form;
    form.ResizeToScale(1.0);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    const std::vector<double> first = Sweep(form);
    std::vector<double> later;
    for (int i = 1; i < sweeps; ++i)
        for (double ms : Sweep(form)) later.push_back(ms);
    std::printf(
        "resize and repaint per step, 1x to 2x (%s): first sweep median %.1f ms, max %.1f ms;"
        " later sweeps median %.1f ms\n",
        qPrintable(QGuiApplication::platformName()), Median(first),
        *std::max_element(first.begin(), first.end()), Median(later));
    return 0;
}
