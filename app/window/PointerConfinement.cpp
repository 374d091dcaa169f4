#include "app/window/PointerConfinement.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

namespace torvane {

namespace {

// Only a real X11 connection can confine; the offscreen platform has none.
xcb_connection_t* X11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

bool PointerConfinement::Confine(QWidget* eventsTo, QWidget* area) {
    Release();
    xcb_connection_t* connection = X11Connection();
    if (!connection || !eventsTo || !area) return false;
    auto window = static_cast<xcb_window_t>(eventsTo->winId());
    auto confineTo = static_cast<xcb_window_t>(area->winId());
    const uint16_t events = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                            XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                            XCB_EVENT_MASK_LEAVE_WINDOW;
    // The press already holds the pointer in an implicit grab, which has no confinement;
    // it is given up for a grab of ours that has.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_grab_pointer_cookie_t cookie =
        xcb_grab_pointer(connection, 0, window, events, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                         confineTo, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(connection, cookie, nullptr);
    active_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return active_;
}

void PointerConfinement::Release() {
    if (!active_) return;
    active_ = false;
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

}  // namespace torvane
