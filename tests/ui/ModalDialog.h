#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace torvane {

// Runs `act` on the next modal dialog of type T as soon as it is up, the way a player would
// then click in it.
template <class T>
void WhenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

}  // namespace torvane
