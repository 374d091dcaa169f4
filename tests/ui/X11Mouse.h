#pragma once

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPoint>
#include <functional>

namespace torvane {

// A mouse driven through the X server itself (the XTEST extension): its events reach the
// program exactly as a player's would, through grabs and confinement.
class X11Mouse {
public:
    X11Mouse() {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            connection_ = x11->connection();
        if (connection_) root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
    bool available() const { return connection_ != nullptr; }

    void MoveTo(QPoint global) { Fake(XCB_MOTION_NOTIFY, 0, global); }
    void Press() { Fake(XCB_BUTTON_PRESS, 1, {}); }
    void Release() { Fake(XCB_BUTTON_RELEASE, 1, {}); }

private:
    void Fake(uint8_t type, uint8_t detail, QPoint at) {
        xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME, root_,
                            static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y()), 0);
        xcb_flush(connection_);
    }
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
};

// Lets the program run until `done` holds or `ms` have passed; true when it holds.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

}  // namespace torvane
