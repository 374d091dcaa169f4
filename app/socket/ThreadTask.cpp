#include "app/socket/ThreadTask.h"

#include <QCoreApplication>
#include <QEvent>
#include <condition_variable>
#include <mutex>

#if defined(__SANITIZE_THREAD__)
#define TORVANE_TSAN_HANDOFF 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TORVANE_TSAN_HANDOFF 1
#endif
#endif

#ifdef TORVANE_TSAN_HANDOFF
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace torvane {

namespace {

const QEvent::Type kTaskEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class TaskEvent : public QEvent {
public:
    explicit TaskEvent(std::function<void()> work) : QEvent(kTaskEvent), work_(std::move(work)) {
#ifdef TORVANE_TSAN_HANDOFF
        __tsan_release(this);
#endif
    }
    void Run() {
        work_();
    }

private:
    std::function<void()> work_;
};

}  // namespace

void PostTask(QObject* receiver, std::function<void()> work) {
    QCoreApplication::postEvent(receiver, new TaskEvent(std::move(work)));
}

void RunTaskAndWait(QObject* receiver, std::function<void()> work) {
    std::mutex mutex;
    std::condition_variable condition;
    bool done = false;
    PostTask(receiver, [&] {
        work();
        const std::lock_guard lock(mutex);
        done = true;
        condition.notify_one();
    });
    std::unique_lock lock(mutex);
    condition.wait(lock, [&] { return done; });
}

bool RunTask(QEvent* event) {
#ifdef TORVANE_TSAN_HANDOFF
    __tsan_acquire(event);  // before anything of the event is read
#endif
    if (event->type() != kTaskEvent) return false;
    static_cast<TaskEvent*>(event)->Run();
    return true;
}

void TaskRunner::customEvent(QEvent* event) {
    RunTask(event);
}

}  // namespace torvane
