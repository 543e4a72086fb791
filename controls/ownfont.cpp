#include "controls/ownfont.h"

#include <QApplication>
#include <QWidget>

void useOwnFont(QWidget& control)
{
    QFont own = QApplication::font();
    own.setResolveMask(QFont::AllPropertiesResolved);
    control.setFont(own);
}
