#pragma once

#include <QUrl>

// The product's home page. There is no web site: the manual beside the program is it.
QUrl homePageUrl();

// Opens a document or web address with the desktop's viewer for it, and tells the user when
// the desktop has none to start, instead of doing nothing.
void openInBrowser(const QUrl& url);
