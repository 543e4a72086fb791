#pragma once

#include <QObject>
#include <QString>

// A window's control by its name; a missing control ends the test run at once, since
// every later step would only fail less clearly.
template <typename Control> Control* findControl(const QObject& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
