#include "stats/scalespinbox.h"

#include <QLineEdit>

ScaleSpinBox::ScaleSpinBox(QWidget* parent)
    : QSpinBox(parent)
    , m_reported(text())
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &ScaleSpinBox::report);
    connect(this, &QSpinBox::textChanged, this, &ScaleSpinBox::report);
}

void ScaleSpinBox::report(const QString& text)
{
    if (text == m_reported)
        return;
    m_reported = text;
    emit editTextChanged(text);
}
