#include "app/dialogs/Form2.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/dialogs/DialogScale.h"
#include "app/window/ImageStore.h"
#include "app/window/PictureDrawer.h"
#include "app/window/Twips.h"

namespace torvane {

std::chrono::milliseconds Form2::SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

Form2::Form2(Clock clock, double scale)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), clock_(std::move(clock)) {
    setObjectName("Form2");
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Form2::CloseWhenDue);
    // At a scale the build did not draw, a stand-in is shown until the picture is drawn.
    connect(&PictureDrawer::instance(), &PictureDrawer::drawn, this, qOverload<>(&QWidget::update));
    setFixedSize(Px(6000), Px(2250));
    ScaleDialog(*this, scale);
    // Closing the splash before the main window is shown must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::Show() {
    shownAt_ = clock_();
    show();
    repaint();
}

void Form2::CloseAfter(std::chrono::milliseconds time, std::function<void()> then) {
    time_ = time;
    then_ = std::move(then);
    CloseWhenDue();
}

// A timer may wake a little early; the clock decides, and an early wake waits for the rest.
void Form2::CloseWhenDue() {
    const std::chrono::milliseconds left = shownAt_ + time_ - clock_();
    if (left.count() > 0) {
        timer_.start(left);
        return;
    }
    close();
    if (then_) then_();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, SplashPixmap(size(), devicePixelRatioF()));
}

}  // namespace torvane
