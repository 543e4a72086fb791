#include "app/homepage.h"

#include "app/notices.h"

#include <QCoreApplication>
#include <QDesktopServices>

QUrl homePageUrl()
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/help.htm");
}

void openInBrowser(const QUrl& url)
{
    // Qt reports a failure only when it finds no launcher at all: no xdg-open (package
    // xdg-utils) and none of the browsers it knows. The notice names the file, so the user can
    // still open it by hand, and what to install. A launcher that starts and then finds no
    // viewer is the desktop's to report.
    if (!QDesktopServices::openUrl(url))
        showNotice(QString("No web browser could be started to show\n%1\n\n"
                           "Install a web browser and the xdg-utils package, or open the file "
                           "yourself.")
                       .arg(url.isLocalFile() ? url.toLocalFile() : url.toString()));
}
