#pragma once

#include <QSpinBox>

// A spin box that reports every change of its text once, whether typed or stepped, valid or
// not. QSpinBox's own textChanged follows only changes of the value, and its editor's
// textChanged misses the texts the spin box sets itself, so the two are merged.
class ScaleSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ScaleSpinBox(QWidget* parent);

signals:
    void editTextChanged(const QString& text);

private:
    void report(const QString& text);

    QString m_reported;
};
