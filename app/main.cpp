#include "app/notices.h"
#include "app/programwindows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitle);

    ProgramWindows windows;
    windows.form1.show();
    return QApplication::exec();
}
