#pragma once

#include <QApplication>
#include <QWidget>

// A window's control by its name; a missing one ends the run, as later steps would fail less
// clearly.
template <typename Control> Control* findControl(const QObject& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The program's window of a class (TForm1, Tseed, ...), as the tables and cases name them;
// none when there is no such window.
inline QWidget* windowOfClass(const QString& className)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->metaObject()->className() == className)
            return window;
    return nullptr;
}
