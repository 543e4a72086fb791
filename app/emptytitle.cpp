#include "app/emptytitle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void clearNativeTitle(const QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window.windowHandle())
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = xcb_window_t(window.windowHandle()->winId());
    // Qt leaves WM_NAME empty and writes the application's name into _NET_WM_NAME.
    const xcb_atom_t netName = atomNamed(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atomNamed(connection, "UTF8_STRING");
    if (netName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netName, utf8, 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    xcb_flush(connection);
}

// Qt's Wayland plug-in also sends the application's name as the toplevel's title, and offers
// no way to send an empty one: the request is sent on the toplevel Qt made.
void clearWaylandTitle(const QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("wayland") || !window.windowHandle())
        return;
    void* toplevel = QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
        "xdg_toplevel", window.windowHandle());
    // libwayland-client came with Qt's Wayland plug-in; it is looked up there rather than
    // linked, so that X11 users need no Wayland library.
    using Marshal = void (*)(void* proxy, std::uint32_t opcode, ...);
    static const auto marshal = [] {
        void* library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD);
        return reinterpret_cast<Marshal>(library ? dlsym(library, "wl_proxy_marshal") : nullptr);
    }();
    constexpr std::uint32_t xdgToplevelSetTitle = 2;
    if (toplevel && marshal)
        marshal(toplevel, xdgToplevelSetTitle, "");
}

// The show event comes after the native window is made and before it is mapped, so an X11
// window manager never sees the application's name. On Wayland the toplevel is made after the
// show event and titled at once; the empty title follows as soon as the show is done, before
// the compositor's first configure.
class EmptyTitle : public QObject {
public:
    explicit EmptyTitle(QWidget& window)
        : QObject(&window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            clearNativeTitle(*window);
            QMetaObject::invokeMethod(
                this, [window] { clearWaylandTitle(*window); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void keepTitleEmpty(QWidget& window)
{
    window.setWindowTitle(QString());
    new EmptyTitle(window);
}
