#pragma once

class QWidget;

// Gives a window an empty title, also as the window manager shows it. Qt puts the
// application's name in place of an empty title on the native window, so under X11 and
// Wayland that name is cleared again whenever the window is shown; elsewhere nothing more is
// done.
void keepTitleEmpty(QWidget& window);
