#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include "app/window/PointerConfinement.h"
#include "game/Shell.h"

class QWidget;

namespace torvane {

// The drag of a piece: the pointer shows the piece's drag image and stays inside the board (a
// board piece) or the main window (a hand piece) until the drop. The drag also ends, as a
// drop elsewhere, when the window loses the mouse or the focus, so the pointer is never left
// confined.
class DragController : public QObject {
    Q_OBJECT
public:
    DragController(QWidget* window, QWidget* board);

    // `dragIcon`'s picture is shown `size` logical pixels square.
    void Begin(DragArea area, int dragIcon, int size);
    // Shows the held piece's picture at `size` pixels, after the window changed its scale.
    void Rescale(int size);
    void End();
    bool active() const { return active_; }
    DragArea area() const { return area_; }
    // `global` moved inside the area the pointer is held in.
    QPoint Clamp(QPoint global) const;

signals:
    // The drag was broken off by the window system; the game must end it as a drop elsewhere.
    void lost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect AreaRect() const;

    QWidget* window_;
    QWidget* board_;
    PointerConfinement confinement_;
    bool active_ = false;
    DragArea area_ = DragArea::Board;
    int dragIcon_ = 0;
};

}  // namespace torvane
