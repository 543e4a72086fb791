#include "controls/xpCheckBox.h"

#include "controls/XPGraphUtil.h"
#include "controls/accelerator.h"
#include "controls/devicepixels.h"
#include "controls/ownfont.h"
#include "controls/readablecolour.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

const QColor pressedTop(176, 176, 167);
const QColor pressedBottom(241, 239, 223);
const QColor hotTop(255, 240, 207);
const QColor hotBottom(248, 179, 48);
const QColor normalTop(220, 220, 215);
const QColor normalBottom(255, 255, 255);
const QColor boxBorder(28, 81, 128);
const QColor disabledBorder(128, 128, 128);
const QColor markColour(0, 160, 0);
const QColor disabledMark(192, 192, 192);
const QColor disabledText(128, 128, 128);
constexpr int boxBands = 10;

} // namespace

TxpCheckBox::TxpCheckBox(QWidget* parent)
    : StyledControl(parent)
{
    setCheckable(true);
    setText(QStringLiteral("XP Checkbox"));
    resize(97, 17);
    useOwnFont(*this);
}

void TxpCheckBox::setAlignment(TCheckBoxAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

QColor TxpCheckBox::color() const
{
    return m_colour.isValid() ? m_colour : palette().color(QPalette::Window);
}

void TxpCheckBox::setColor(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void TxpCheckBox::acceleratorTyped()
{
    if (!hasFocus())
        setFocus(Qt::ShortcutFocusReason);
    activate();
}

void TxpCheckBox::keyReleased(QKeyEvent* event)
{
    event->accept();
}

// The box is drawn at the layout size and then widened onto whole device pixels; the
// check mark and the caption are drawn at the scale.
void TxpCheckBox::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    const int w = width();
    const int h = height();
    const DevicePixels pixels(canvas, size());
    const QColor background = color();
    const bool captionRight = m_alignment == cbaRight;
    const int boxLeft = captionRight ? 1 : w - 15;
    const int boxTop = h / 2 - 7;
    const QRect box = edgeRect(boxLeft, boxTop, boxLeft + 14, boxTop + 14);

    QImage look(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter layout(&look);
    layout.fillRect(rect(), background);
    paintBox(layout, box);
    layout.end();
    canvas.setWorldTransform(pixels.toDevice());
    canvas.drawImage(0, 0, pixels.scaled(look));

    if (isChecked()) {
        const QPoint scale = pixels.map(QPoint(3, 3)) - pixels.map(QPoint(0, 0));
        canvas.setPen(QPen(isEnabled() ? markColour : disabledMark, (scale.x() + scale.y()) / 2,
                           Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        canvas.drawPolyline(QPolygon({pixels.map(QPoint(box.left() + 3, box.top() + 6)),
                                      pixels.map(QPoint(box.left() + 5, box.bottom() + 1 - 5)),
                                      pixels.map(QPoint(box.right() + 1 - 5, box.top() + 4))}));
    }

    const AcceleratedCaption caption = splitCaption(text());
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(caption.shown);
    const int textHeight = metrics.height();
    const int textLeft = captionRight ? 20 : 2;
    const QRect clip = captionRight ? edgeRect(20, 2, w - 2, h) : edgeRect(2, 2, w - 20, h);
    // The caption stands on the control's own colour, which a layout may fix.
    const QColor textColour = isEnabled()
                                  ? readableOn(palette().color(QPalette::ButtonText), {background})
                                  : disabledText;
    canvas.setClipRect(pixels.map(clip));
    canvas.save();
    canvas.resetTransform();
    drawCaptionText(canvas, metrics, caption, QPoint(textLeft, (h - textHeight) / 2), clip,
                    textColour, background);
    canvas.restore();
    canvas.setClipping(false);
    // The underline sits at a fixed height below the control's top, not below the text.
    canvas.fillRect(pixels.map(underlineRect(metrics, caption, QPoint(textLeft, 2))), textColour);

    if (isEnabled() && focused()) {
        const QRect focusRect = captionRight ? edgeRect(17, 1, textWidth + 25, h - 1)
                                             : edgeRect(1, 1, textWidth + 8, h - 1);
        drawFocusRect(canvas, pixels.map(focusRect), pixels.dotSize());
    }
}

void TxpCheckBox::paintBox(QPainter& canvas, const QRect& box) const
{
    if (isEnabled()) {
        if (armed()) {
            GradientFill(canvas, box, pressedTop, pressedBottom, TopToBottom, boxBands);
        } else if (mouseInside()) {
            GradientFill(canvas, box, hotTop, hotBottom, TopToBottom, boxBands);
            canvas.fillRect(box.adjusted(2, 2, -2, -2), color());
        } else {
            GradientFill(canvas, box, normalTop, normalBottom, TopToBottom, boxBands);
        }
        canvas.setPen(boxBorder);
    } else {
        canvas.fillRect(box, Qt::white);
        canvas.setPen(disabledBorder);
    }
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(box.adjusted(0, 0, -1, -1));
}
