#include "controls/xpButton.h"

#include "controls/XPGraphUtil.h"
#include "controls/accelerator.h"
#include "controls/devicepixels.h"
#include "controls/ownfont.h"
#include "controls/readablecolour.h"
#include "controls/roundrect.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPainter>

namespace {

const QColor outerFill(214, 211, 211);
const QColor frameColour(0, 60, 116);
const QColor faceLight(253, 253, 253);
const QColor faceDark(205, 204, 223);
const QColor topHighlight(206, 231, 255);
const QColor bottomShade(105, 130, 238);
const QColor innerFrame(188, 212, 246);
const QColor hotFrame(248, 179, 48);
const QColor disabledFill(241, 241, 237);
const QColor disabledFrame(196, 195, 191);
const QColor disabledText(161, 161, 146);

} // namespace

TxpButton::TxpButton(QWidget* parent)
    : StyledControl(parent)
{
    setText(QStringLiteral("XP Button"));
    resize(75, 25);
    useOwnFont(*this);
}

void TxpButton::setDefault(bool isDefault)
{
    m_default = isDefault;
    watchWindow();
}

void TxpButton::setCancel(bool isCancel)
{
    m_cancel = isCancel;
    watchWindow();
}

bool TxpButton::armsOnKey(int key) const
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

void TxpButton::activate()
{
    const QPointer<TxpButton> alive(this);
    click();
    if (!alive || m_modalResult == 0)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog && dialog->isModal())
        dialog->done(m_modalResult);
}

void TxpButton::keyPressed(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    StyledControl::keyPressed(event);
}

void TxpButton::keyReleased(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
    StyledControl::keyReleased(event);
}

bool TxpButton::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        watchWindow();
    return StyledControl::event(event);
}

bool TxpButton::eventFilter(QObject* watched, QEvent* event)
{
    // Enter and Escape reach the window only when its focused control left them
    // unhandled: that is when the window offers them to its Default and Cancel buttons.
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress && isEnabled() &&
        isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (m_cancel && key == Qt::Key_Escape)
            activate();
        else if (m_default && (key == Qt::Key_Return || key == Qt::Key_Enter))
            activate();
    }
    return false;
}

void TxpButton::showEvent(QShowEvent* event)
{
    watchWindow();
    StyledControl::showEvent(event);
}

void TxpButton::watchWindow()
{
    QWidget* const target = (m_default || m_cancel) && window() != this ? window() : nullptr;
    if (target == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = target;
    if (target)
        target->installEventFilter(this);
}

// The frame and face are drawn at the layout size and then widened onto whole device
// pixels; the caption is drawn at the scale, in the font's own resolution.
void TxpButton::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    const int w = width();
    const int h = height();
    const DevicePixels pixels(canvas, size());
    const AcceleratedCaption caption = splitCaption(text());
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(caption.shown);
    const int textHeight = metrics.height();
    const QRect textClip = edgeRect(4, 4, w - 4, h - 4);
    const int pressedOffset = isEnabled() && armed() ? 1 : 0;
    const QPoint textAt((w - textWidth) / 2 + pressedOffset, (h - textHeight) / 2 + pressedOffset);
    // The face stays light in every colour scheme; a dark scheme's light text would vanish.
    const QColor textColour =
        isEnabled() ? readableOn(palette().color(QPalette::ButtonText), {faceLight, faceDark})
                    : disabledText;

    QImage look(size(), QImage::Format_ARGB32_Premultiplied);
    look.fill(Qt::transparent);
    QPainter layout(&look);
    if (isEnabled())
        paintEnabledLook(layout);
    else
        paintDisabledLook(layout);
    layout.end();

    canvas.setWorldTransform(pixels.toDevice());
    canvas.drawImage(0, 0, pixels.scaled(look));
    // The caption stays inside the face's device pixels.
    canvas.setClipRect(pixels.map(textClip));
    canvas.save();
    canvas.resetTransform();
    drawCaptionText(canvas, metrics, caption, textAt, textClip, textColour);
    canvas.restore();
    canvas.setClipping(false);
    if (isEnabled() && focused())
        drawFocusRect(canvas, pixels.map(textClip), pixels.dotSize());
    canvas.fillRect(pixels.map(underlineRect(metrics, caption, textAt)), textColour);
}

void TxpButton::paintEnabledLook(QPainter& canvas) const
{
    const int w = width();
    const int h = height();
    const QRect face = edgeRect(4, 4, w - 4, h - 4);
    drawRoundRect(canvas, edgeRect(0, 0, w, h), QSize(3, 3), outerFill, outerFill);
    drawRoundRect(canvas, edgeRect(1, 1, w - 1, h - 1), QSize(5, 5), frameColour);
    if (armed() && mouseInside())
        GradientFill(canvas, face, faceLight, faceDark, TopToBottomReversed, h / 2);
    else
        GradientFill(canvas, face, faceLight, faceDark, TopToBottom, h / 3);
    drawOpenLine(canvas, QPoint(3, 2), QPoint(w - 3, 2), topHighlight);
    drawOpenLine(canvas, QPoint(3, h - 3), QPoint(w - 3, h - 3), bottomShade);
    canvas.setPen(innerFrame);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(edgeRect(2, 3, w - 2, h - 3).adjusted(0, 0, -1, -1));
    const QColor white(255, 255, 255);
    drawOpenLine(canvas, QPoint(3, 4), QPoint(3, h - 4), white);
    drawOpenLine(canvas, QPoint(w - 4, 4), QPoint(w - 4, h - 4), white);
    drawOpenLine(canvas, QPoint(3, h - 1), QPoint(w - 3, h - 1), white);
    drawOpenLine(canvas, QPoint(w - 1, h - 4), QPoint(w - 1, 2), white);
    if (mouseInside())
        drawRoundRect(canvas, edgeRect(3, 3, w - 3, h - 3), QSize(2, 2), hotFrame);
}

void TxpButton::paintDisabledLook(QPainter& canvas) const
{
    const int w = width();
    const int h = height();
    drawRoundRect(canvas, edgeRect(0, 0, w, h), QSize(3, 3), outerFill, disabledFill);
    // The system button face, where dialogs and their controls stand: Qt's window colour.
    canvas.setPen(palette().color(QPalette::Window));
    canvas.drawPoints(
        QPolygon({QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1)}));
    drawRoundRect(canvas, edgeRect(1, 1, w - 1, h - 1), QSize(5, 5), disabledFrame);
}
