#pragma once

#include "controls/wholenumberspinbox.h"

// The statistics window's scale field. `changed` reports every keystroke that changes the
// text and every step that changes the value, once each, whether it comes from the keyboard,
// the mouse or an assistive tool. Leaving the field shows the value its text counted as,
// which changes nothing and is not reported.
class ScaleSpinBox : public WholeNumberSpinBox {
    Q_OBJECT
    // Qt's accessibility interface of a spin box sets its value and reads its step through
    // these property names: a value set by an assistive tool is a change like any other, and
    // its Increase and Decrease step as the arrows do.
    Q_PROPERTY(int value READ value WRITE setValueFromOutside)
    Q_PROPERTY(int stepSize READ singleStep CONSTANT)

public:
    explicit ScaleSpinBox(QWidget* parent);

    // The value the text stands for, already while a keystroke is reported.
    int scale() const { return number(); }

    void stepBy(int steps) override;
    void setValueFromOutside(int value);

signals:
    void changed();
};
