#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace torvane {

// Answers modal dialogs of type T as the player would: calls `answer` once on each such dialog
// that comes up, from inside its event loop. A modal dialog's exec() returns only once it is
// answered, so the watcher looks for it on a zero timer. Counts the dialogs it answered.
// A watcher made for one dialog only (kOnce) must be made with new: it deletes itself.
template <class T>
class ModalWatcher : public QObject {
public:
    enum Dialogs { kEvery, kOnce };
    explicit ModalWatcher(std::function<void(T&)> answer, Dialogs dialogs = kEvery)
        : answer_(std::move(answer)), once_(dialogs == kOnce) {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Poll);
        timer_.start();
    }
    int answered = 0;

private:
    void Poll() {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog == last_) return;
        last_ = dialog;
        ++answered;
        if (!once_) return answer_(*dialog);
        // An answer that waits on events may see this watcher deleted: it runs from a copy.
        timer_.stop();
        deleteLater();
        const auto answer = answer_;
        answer(*dialog);
    }
    std::function<void(T&)> answer_;
    bool once_;
    QPointer<T> last_;
    QTimer timer_;
};

// Runs `act` on the next modal dialog of type T as soon as it is up, and on no other.
template <class T>
void WhenModal(std::function<void(T&)> act) {
    new ModalWatcher<T>(std::move(act), ModalWatcher<T>::kOnce);
}

}  // namespace torvane
