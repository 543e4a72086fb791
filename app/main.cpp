#include "app/notices.h"
#include "app/programwindows.h"
#include "app/windowsetup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitle);
    QApplication::setWindowIcon(programIcon());
    // Wayland compositors find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName("org.quillmere.Quillmere");

    ProgramWindows windows;
    windows.form1.show();
    return QApplication::exec();
}
