#pragma once

class QWidget;

namespace torvane {

// Keeps the pointer inside a window while a piece is held. On X11 this is a pointer grab
// confined to the window's native window; elsewhere (offscreen, Wayland) it does nothing and
// the drag position is clamped instead.
class PointerConfinement {
public:
    ~PointerConfinement() { Release(); }

    // True when the pointer really is confined to `area`. The pointer's events keep going to
    // `eventsTo`, the native window that received the press, so the pressed widget gets the
    // release as it would without the grab.
    bool Confine(QWidget* eventsTo, QWidget* area);
    void Release();
    bool active() const { return active_; }

private:
    bool active_ = false;
};

}  // namespace torvane
