#pragma once

#include <QSpinBox>

// A spin box that takes any typed number: one beyond the bounds counts as the nearest bound,
// and a text that is no whole number (empty, a lone sign) counts as the minimum. `changed`
// reports every keystroke that changes the text and every step that changes the value, once
// each. Leaving the field shows the value its text counted as, which changes nothing and is
// not reported.
class ScaleSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ScaleSpinBox(QWidget* parent);

    // The value the text stands for, already while a keystroke is reported.
    int scale() const { return valueFromText(text()); }

    void stepBy(int steps) override;

signals:
    void changed();

protected:
    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;
};
