#pragma once

#include <QObject>
#include <functional>

namespace torvane {

// Work handed to an object that lives on another thread, through that thread's event queue:
// `PostTask` returns at once, `RunTaskAndWait` returns once the work has run. The receiver
// must be a `TaskRunner` (or forward its custom events to `RunTask`).
//
// Built with ThreadSanitizer, each hand-over is announced to it. Qt is not built with it, so
// the locks inside Qt's event queue are invisible, and work written on one thread and run on
// another would look like a race; the work is built before the announcement, and nothing
// the receiving thread reads is written after it. The wait uses the standard library's
// mutex, which ThreadSanitizer sees.
void PostTask(QObject* receiver, std::function<void()> work);
void RunTaskAndWait(QObject* receiver, std::function<void()> work);

// Runs the work of a task that reached `event`; false when it is no task.
bool RunTask(QEvent* event);

// An object that runs the tasks posted to it on its own thread.
class TaskRunner : public QObject {
public:
    using QObject::QObject;

protected:
    void customEvent(QEvent* event) override;
};

}  // namespace torvane
