#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class TForm1;
class TxpButton;
class TxpCheckBox;

// Inserts the user's own address into a copy of the opened list, at a regular interval
// or at drawn places, and writes the copy without asking.
class Tseed : public QWidget {
    Q_OBJECT

public:
    explicit Tseed(TForm1& form1);

    void xpButton2Click();
    void button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1& m_form1;

    TxpButton* xpButton2;
    QLabel* Label7;
    QLabel* Label1;
    QLineEdit* email;
    QLabel* Label6;
    QLineEdit* salidaf;
    QLabel* Label2;
    QLineEdit* frecuencia;
    QLabel* Label3;
    QLabel* Label4;
    TxpCheckBox* ran;
    TxpButton* button2;
    QLabel* Label5;
};
