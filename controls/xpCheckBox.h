#pragma once

#include <QAbstractButton>

enum class TCheckBoxAlignment { cbaLeft, cbaRight };

// The styled check box of the tool windows.
class TxpCheckBox : public QAbstractButton {
    Q_OBJECT

public:
    explicit TxpCheckBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
