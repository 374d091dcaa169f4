#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace torvane {

// The splash window: the title on a plank of wood, shown while the program starts.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // How long the splash stays on screen at start-up: a little more than two seconds.
    static constexpr std::chrono::milliseconds kShowTime{2050};

    Form2();

    // Shows the splash and paints it at once; its time on screen counts from here.
    void Show();
    // Closes the splash once it has been on screen for `time`, measured on a monotonic clock,
    // and then calls `then`. Returns at once: the program's events go on being handled while
    // the splash waits.
    void CloseAfter(std::chrono::milliseconds time, std::function<void()> then);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void CloseWhenDue();

    QElapsedTimer shown_;
    std::chrono::milliseconds time_{0};
    std::function<void()> then_;
};

}  // namespace torvane
