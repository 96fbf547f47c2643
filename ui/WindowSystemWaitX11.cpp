// The wait on X11, through the xcb connection of Qt's X11 platform; on another platform of the same
// Qt (Wayland, offscreen) there is none, and the wait returns at once.
#include "ui/WindowSystemWait.h"

#include <cstdlib>

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace gelumpa {

void waitForWindowSystem()
{
    // A round trip: its answer comes once the X server has handled every request sent before it.
    // QGuiApplication::sync() would also run the waiting events, input among them.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace gelumpa
