#include "app/window/DragController.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "app/window/ImageStore.h"

namespace torvane {

DragController::DragController(QWidget* window, QWidget* board)
    : QObject(window), window_(window), board_(board) {
    window_->installEventFilter(this);
    qApp->installEventFilter(this);
}

void DragController::Begin(DragArea area, int dragIcon, int size) {
    if (active_) End();
    active_ = true;
    area_ = area;
    dragIcon_ = dragIcon;
    QApplication::setOverrideCursor(DragCursor(dragIcon, size, window_->devicePixelRatioF()));
    // A board piece was pressed on the board's own native window; a hand piece on the native
    // window the hands share with the board.
    if (area == DragArea::Board)
        confinement_.Confine(board_, board_);
    else
        confinement_.Confine(board_->nativeParentWidget(), window_);
}

void DragController::Rescale(int size) {
    if (active_)
        QApplication::changeOverrideCursor(
            DragCursor(dragIcon_, size, window_->devicePixelRatioF()));
}

void DragController::End() {
    if (!active_) return;
    active_ = false;
    confinement_.Release();
    QApplication::restoreOverrideCursor();
}

QRect DragController::AreaRect() const {
    QWidget* area = area_ == DragArea::Board ? board_ : window_;
    return QRect(area->mapToGlobal(QPoint(0, 0)), area->size());
}

QPoint DragController::Clamp(QPoint global) const {
    QRect r = AreaRect();
    return QPoint(std::clamp(global.x(), r.left(), r.right()),
                  std::clamp(global.y(), r.top(), r.bottom()));
}

bool DragController::eventFilter(QObject* watched, QEvent* event) {
    if (!active_) return false;
    switch (event->type()) {
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            if (watched == window_) emit lost();
            break;
        case QEvent::ApplicationStateChange:
            if (QGuiApplication::applicationState() != Qt::ApplicationActive) emit lost();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace torvane
