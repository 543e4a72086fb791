#include "controls/wholenumberspinbox.h"

#include "core/wholenumber.h"

#include <algorithm>

WholeNumberSpinBox::WholeNumberSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
}

QValidator::State WholeNumberSpinBox::validate(QString& text, int&) const
{
    // Digits and signs only, as in any number field; what they spell is valueFromText's.
    const bool numeric = std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+';
    });
    return numeric ? QValidator::Acceptable : QValidator::Invalid;
}

int WholeNumberSpinBox::valueFromText(const QString& text) const
{
    const std::optional<qint32> number = parseWholeNumber(text);
    return number ? std::clamp(*number, minimum(), maximum()) : minimum();
}
