#include "controls/xpCheckBox.h"

#include <QPainter>

TxpCheckBox::TxpCheckBox(QWidget* parent)
    : QAbstractButton(parent)
{
    setText("XP Checkbox");
    setCheckable(true);
    resize(97, 17);
    setFocusPolicy(Qt::StrongFocus);
}

void TxpCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawRect(1, height() / 2 - 7, 13, 13);
    if (isChecked())
        painter.drawLine(4, height() / 2, 10, height() / 2);
    painter.drawText(rect().adjusted(20, 0, 0, 0), Qt::AlignVCenter, text());
}
