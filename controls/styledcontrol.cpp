#include "controls/styledcontrol.h"

#include "controls/accelerator.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

namespace {

QKeySequence acceleratorSequence(const QString& caption)
{
    const AcceleratedCaption split = splitCaption(caption);
    if (!split.hasAccelerator())
        return {};
    const auto key = Qt::Key(split.acceleratorChar().toUpper().unicode());
    return QKeySequence(QKeyCombination(Qt::AltModifier, key));
}

} // namespace

StyledControl::StyledControl(QWidget* parent)
    : QAbstractButton(parent)
{
    // Tab reaches the control; of the mouse buttons only the left press takes the focus,
    // which the press handler does itself (Qt would give it on any button).
    setFocusPolicy(Qt::TabFocus);
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
    if (armsOnKey(event->key()) && !m_armed) {
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
