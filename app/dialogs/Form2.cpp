#include "app/dialogs/Form2.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "app/window/ImageStore.h"
#include "app/window/Twips.h"

namespace torvane {

Form2::Form2() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("Form2");
    setFixedSize(Px(6000), Px(2250));
    // Closing the splash before the main window is shown must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::Show() {
    shown_.start();
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
    const qint64 left = time_.count() - shown_.elapsed();
    if (left > 0) {
        QTimer::singleShot(left, Qt::PreciseTimer, this, &Form2::CloseWhenDue);
        return;
    }
    close();
    if (then_) then_();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), Picture("splash", devicePixelRatioF()));
}

}  // namespace torvane
