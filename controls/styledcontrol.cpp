#include "controls/styledcontrol.h"

#include "controls/accelerator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QWindow>

namespace {

QKeySequence acceleratorSequence(const QString& caption)
{
    const AcceleratedCaption split = splitCaption(caption);
    if (!split.hasAccelerator())
        return {};
    const auto key = Qt::Key(split.acceleratorChar().toUpper().unicode());
    return QKeySequence(QKeyCombination(Qt::AltModifier, key));
}

// Qt moves the focus on a press of any mouse button, to the control or else (when it is
// disabled) to the nearest container that takes it, before the control sees the press. A
// press the control ignores (right, middle, any while disabled) must leave the focus where
// it is, so it is stopped on its way from the platform to the control's window.
class OtherButtonPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType() || (event->type() != QEvent::MouseButtonPress &&
                                         event->type() != QEvent::MouseButtonDblClick))
            return false;
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QWidget* under = QApplication::widgetAt(mouse->globalPosition().toPoint());
        return qobject_cast<const StyledControl*>(under) &&
               under->window()->windowHandle() == static_cast<QWindow*>(watched) &&
               (mouse->button() != Qt::LeftButton || !under->isEnabled());
    }
};

} // namespace

StyledControl::StyledControl(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    static QPointer<OtherButtonPresses> otherButtonPresses;
    if (!otherButtonPresses) {
        otherButtonPresses = new OtherButtonPresses(qApp);
        qApp->installEventFilter(otherButtonPresses);
    }
}

void StyledControl::setText(const QString& caption)
{
    if (caption == text())
        return;
    QAbstractButton::setText(caption);
    // Qt registers its own mnemonic, which skips "&&"; where the first "&" marks a
    // different character, that character is registered as well.
    if (m_extraShortcut != 0)
        releaseShortcut(m_extraShortcut);
    m_extraShortcut = 0;
    const QKeySequence accelerator = acceleratorSequence(caption);
    if (!accelerator.isEmpty() && accelerator != QKeySequence::mnemonic(caption))
        m_extraShortcut = grabShortcut(accelerator);
    update();
}

void StyledControl::keyPressed(QKeyEvent* event)
{
    // A focused control keeps its own arming keys; the others go on as Qt's button
    // handles them (unknown keys reach the parent).
    if (armsOnKey(event->key()))
        event->accept();
    else
        QAbstractButton::keyPressEvent(event);
}

void StyledControl::keyReleased(QKeyEvent* event)
{
    event->ignore();
}

bool StyledControl::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // A registered shortcut that is not the caption's current accelerator does nothing.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (isEnabled() && shortcut->key() == acceleratorSequence(text()))
            acceleratorTyped();
        return true;
    }
    return QAbstractButton::event(event);
}

void StyledControl::enterEvent(QEnterEvent*)
{
    setMouseInside(true);
}

void StyledControl::leaveEvent(QEvent*)
{
    setMouseInside(false);
}

void StyledControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_armed) {
        m_armed = true;
        m_armedByKey = false;
        if (!hasFocus() && isEnabled())
            setFocus(Qt::MouseFocusReason);
        update();
    }
}

void StyledControl::mouseReleaseEvent(QMouseEvent* event)
{
    // Qt delivers the release to the pressed widget wherever the pointer is; only a
    // release over the control counts.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (m_armed) {
        m_armed = false;
        m_armedByKey = false;
        update();
        activate();
    }
}

void StyledControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        activate();
}

void StyledControl::mouseMoveEvent(QMouseEvent* event)
{
    // While a button is held Qt sends no enter or leave; the pointer is followed here.
    if (event->buttons() != Qt::NoButton)
        setMouseInside(rect().contains(event->position().toPoint()));
}

void StyledControl::keyPressEvent(QKeyEvent* event)
{
    // A press left armed by the mouse (released outside) is taken over by the key, so the
    // keyboard works again and the key's release clicks.
    if (armsOnKey(event->key()) && !(m_armed && m_armedByKey)) {
        m_armed = true;
        m_armedByKey = true;
        update();
    }
    keyPressed(event);
}

void StyledControl::keyReleaseEvent(QKeyEvent* event)
{
    // The platform repeats a held key as press and release pairs; only the real release
    // ends the press.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    if (m_armed && m_armedByKey) {
        m_armed = false;
        m_armedByKey = false;
        update();
        const QPointer<StyledControl> alive(this);
        activate();
        if (!alive)
            return;
    }
    keyReleased(event);
}

void StyledControl::focusInEvent(QFocusEvent* event)
{
    m_focused = true;
    QAbstractButton::focusInEvent(event);
    emit focusEntered();
}

void StyledControl::focusOutEvent(QFocusEvent* event)
{
    m_focused = false;
    QAbstractButton::focusOutEvent(event);
    emit focusLeft();
}

void StyledControl::setMouseInside(bool inside)
{
    if (inside == m_mouseInside)
        return;
    m_mouseInside = inside;
    update();
}
