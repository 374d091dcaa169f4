#pragma once

#include <QTest>
#include <functional>
#include <memory>

#include "QtBenchmarkMain.h"
#include "app/window/Form1.h"

namespace torvane {

// Runs the registered benchmarks beside a shown main window, `form` while they run: made once
// the application exists, shown, then handed to `prepare` (false stops the run), and closed
// before the application ends.
inline int ShownWindowMain(int argc, char** argv, Form1*& form,
                           const std::function<bool(Form1&)>& prepare = {}) {
    std::unique_ptr<Form1> window;
    return QtBenchmarkMain(
        argc, argv,
        [&] {
            window = std::make_unique<Form1>();
            form = window.get();
            window->show();
            if (!QTest::qWaitForWindowExposed(window.get())) return false;
            return !prepare || prepare(*window);
        },
        [&] {
            form = nullptr;
            window.reset();
        });
}

}  // namespace torvane
