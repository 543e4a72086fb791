#pragma once

#include <QRegularExpression>
#include <QTest>

// Makes any warning of Qt's fail the running case, but the offscreen platform's notes on
// what it cannot do (raise a window, pass size hints to a window manager).
inline void failOnQtWarnings()
{
    QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support )"));
}
