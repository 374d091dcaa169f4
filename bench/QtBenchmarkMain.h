#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

#include "app/window/Application.h"

namespace torvane {

// The engine of the build tree, unless TORVANE_ENGINE names another: the benchmarks are not
// beside the program, where the window looks first.
inline void UseBuildTreeEngine() {
    if (qEnvironmentVariableIsEmpty("TORVANE_ENGINE"))
        qputenv("TORVANE_ENGINE",
                (QCoreApplication::applicationDirPath() + "/../engine/torvane-engine").toUtf8());
}

// Runs the registered benchmarks inside the program's Qt application (offscreen unless a
// platform is chosen). `setUp` runs once the application exists; false stops the run.
// `tearDown` runs while it still exists: windows must go before the application does.
inline int QtBenchmarkMain(int argc, char** argv, const std::function<bool()>& setUp = {},
                           const std::function<void()>& tearDown = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEnvironment();
    QApplication app(argc, argv);
    SetUpApplication(app);
    if (setUp && !setUp()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tearDown) tearDown();
    return 0;
}

}  // namespace torvane
