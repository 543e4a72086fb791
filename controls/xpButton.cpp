#include "controls/xpButton.h"

#include <QPainter>

TxpButton::TxpButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setText("XP Button");
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
}

void TxpButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
