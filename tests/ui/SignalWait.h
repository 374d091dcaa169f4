#pragma once

// Waits for a signal while the event loop runs, like QSignalSpy::wait, for test programs that
// do not link Qt Test.

#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace torvane::testmusic {

// True when `signal` of `sender` was emitted within `timeoutMs`.
template <typename Sender, typename Signal>
bool WaitForSignal(const Sender* sender, Signal signal, int timeoutMs) {
    QEventLoop loop;
    bool emitted = false;
    QObject::connect(sender, signal, &loop, [&] {
        emitted = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return emitted;
}

}  // namespace torvane::testmusic
