#include "stats/scalespinbox.h"

#include "core/wholenumber.h"

#include <QLineEdit>

#include <algorithm>

ScaleSpinBox::ScaleSpinBox(QWidget* parent)
    : QSpinBox(parent)
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

QValidator::State ScaleSpinBox::validate(QString& text, int&) const
{
    // Digits and signs only, as in any number field; what they spell is valueFromText's.
    const bool numeric = std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+';
    });
    return numeric ? QValidator::Acceptable : QValidator::Invalid;
}

int ScaleSpinBox::valueFromText(const QString& text) const
{
    const std::optional<qint32> number = parseWholeNumber(text);
    return number ? std::clamp(*number, minimum(), maximum()) : minimum();
}
