#include "app/homepage.h"

#include <QCoreApplication>

QUrl homePageUrl()
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/help.htm");
}
