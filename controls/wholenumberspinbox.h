#pragma once

#include <QSpinBox>

// A spin box that takes any typed whole number: one beyond the bounds counts as the nearest
// bound, and a text that is no whole number (empty, a lone sign) counts as the minimum, with
// no message. Leaving the field shows the value its text counted as.
class WholeNumberSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit WholeNumberSpinBox(QWidget* parent);

    // The value the text stands for, already while a keystroke is being reported.
    int number() const { return valueFromText(text()); }

protected:
    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;
};
