#pragma once

#include <QUrl>

// The product's home page. There is no web site: the manual beside the program is it.
QUrl homePageUrl();
