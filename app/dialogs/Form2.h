#pragma once

#include <QTimer>
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

    // A monotonic clock; a test gives its own to decide when the time is up.
    using Clock = std::function<std::chrono::milliseconds()>;
    static std::chrono::milliseconds SteadyNow();

    // The splash at `scale` times its design size, the main window's scale.
    explicit Form2(Clock clock = SteadyNow, double scale = 1.0);

    // Shows the splash and paints it at once; its time on screen counts from here.
    void Show();
    // Closes the splash once it has been on screen for `time`, measured on the clock, and then
    // calls `then`. Returns at once: the program's events go on being handled while the splash
    // waits for its single-shot timer.
    void CloseAfter(std::chrono::milliseconds time, std::function<void()> then);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void CloseWhenDue();

    Clock clock_;
    QTimer timer_{this};  // a child of the splash, found in its object tree
    std::chrono::milliseconds shownAt_{0};
    std::chrono::milliseconds time_{0};
    std::function<void()> then_;
};

}  // namespace torvane
