#include "stats/scalespinbox.h"

#include <QLineEdit>

ScaleSpinBox::ScaleSpinBox(QWidget* parent)
    : WholeNumberSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &ScaleSpinBox::changed);
}

void ScaleSpinBox::stepBy(int steps)
{
    const int before = value();
    QSpinBox::stepBy(steps);
    if (value() != before)
        emit changed();
}

void ScaleSpinBox::setValueFromOutside(int value)
{
    const int before = this->value();
    setValue(value);
    if (this->value() != before)
        emit changed();
}
