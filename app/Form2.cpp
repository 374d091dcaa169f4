#include "app/Form2.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/ImageStore.h"
#include "app/Twips.h"

namespace torvane {

Form2::Form2() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("Form2");
    setFixedSize(Px(6000), Px(2250));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), Picture("splash", devicePixelRatioF()));
}

}  // namespace torvane
