#pragma once

#include <QAbstractButton>

// The styled push button of the tool windows and the about window.
class TxpButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
