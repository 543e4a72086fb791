#include "support/controlinput.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {

Qt::Key keyNamed(const QString& name)
{
    static const QHash<QString, Qt::Key> keys{
        {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},
        {"Shift", Qt::Key_Shift}, {"Escape", Qt::Key_Escape}, {"Alt", Qt::Key_Alt},
        {"A", Qt::Key_A},
    };
    const auto found = keys.find(name);
    if (found == keys.end())
        QTest::qFail(qPrintable("unknown key in script: " + name), __FILE__, __LINE__);
    return found == keys.end() ? Qt::Key_unknown : *found;
}

void sendKey(QWidget& control, QEvent::Type type, const QString& name, bool autoRepeat = false)
{
    const Qt::Key key = keyNamed(name);
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(&control, &event);
}

void sendMouse(QWidget& control, QEvent::Type type, Qt::MouseButton button, QPoint at,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, at, control.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&control, &event);
}

} // namespace

void playInput(QWidget& control, const QString& script)
{
    const QPoint inside = control.rect().center();
    const QPoint outside(-5, -5);
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        const QString key = step.section(QLatin1Char(':'), 1);
        if (step == "press")
            sendMouse(control, QEvent::MouseButtonPress, Qt::LeftButton, inside, Qt::LeftButton);
        else if (step == "release")
            sendMouse(control, QEvent::MouseButtonRelease, Qt::LeftButton, inside, Qt::NoButton);
        else if (step == "releaseOut")
            sendMouse(control, QEvent::MouseButtonRelease, Qt::LeftButton, outside, Qt::NoButton);
        else if (step == "dblclick")
            sendMouse(control, QEvent::MouseButtonDblClick, Qt::LeftButton, inside, Qt::LeftButton);
        else if (step == "rpress")
            sendMouse(control, QEvent::MouseButtonPress, Qt::RightButton, inside, Qt::RightButton);
        else if (step == "rrelease")
            sendMouse(control, QEvent::MouseButtonRelease, Qt::RightButton, inside, Qt::NoButton);
        else if (step == "moveOut")
            sendMouse(control, QEvent::MouseMove, Qt::NoButton, outside, Qt::LeftButton);
        else if (step == "moveIn")
            sendMouse(control, QEvent::MouseMove, Qt::NoButton, inside, Qt::LeftButton);
        else if (step == "enter") {
            QEnterEvent event(inside, control.mapTo(control.window(), inside),
                              control.mapToGlobal(inside));
            QApplication::sendEvent(&control, &event);
        } else if (step == "leave") {
            QEvent event(QEvent::Leave);
            QApplication::sendEvent(&control, &event);
        } else if (step.startsWith("down:"))
            sendKey(control, QEvent::KeyPress, key);
        else if (step.startsWith("up:"))
            sendKey(control, QEvent::KeyRelease, key);
        else if (step.startsWith("repeat:")) {
            sendKey(control, QEvent::KeyRelease, key, true);
            sendKey(control, QEvent::KeyPress, key, true);
        } else
            QTest::qFail(qPrintable("unknown step in script: " + step), __FILE__, __LINE__);
    }
}
